// A stand-in for the script-hook host, for running the real plug-in without the game.
// It defines the eight host functions and GetTickCount, records every native call, answers
// each from a responder that the test programs per hash, and runs the plug-in's script
// entry on a thread of its own with a strict hand-off: runPass() lets the script run until
// its next scriptWait, and exactly one side runs at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace standin {

constexpr size_t maxSlots = 16;   // more than any native of the plug-in takes
constexpr size_t resultSlots = 4; // enough for a Vector3 and then some

struct NativeCall {
    uint64_t hash = 0;
    uint32_t slotCount = 0;
    uint64_t slots[maxSlots] = {};

    int32_t intArg(size_t i) const { return static_cast<int32_t>(static_cast<uint32_t>(slots[i])); }
    float floatArg(size_t i) const;
    std::vector<uint64_t> slotList() const { return {slots, slots + slotCount}; }
};

// Writes the result slots (zeroed before each call) of one call.
using Responder = std::function<void(const NativeCall& call, uint64_t* result)>;

// Result helpers for responders.
void writeInt(uint64_t* result, int32_t value);
void writeFloat(uint64_t* result, float value);
void writeVector(uint64_t* result, float x, float y, float z);
Responder answerInt(int32_t value);
Responder answerFloat(float value);
Responder answerVector(float x, float y, float z);

// Forgets calls, responders, registrations, waits and protocol errors; the clock is kept.
void reset();

// Responders: one per hash, and a fallback for hashes without one (default: zero result).
void setResponder(uint64_t hash, Responder responder);
void clearResponder(uint64_t hash);
void setFallbackResponder(Responder responder);

// The call log. Recording reuses its storage, so a steady run allocates nothing per call
// once the log has grown; turn it off for long runs.
const std::vector<NativeCall>& calls();
void clearCalls();
void setRecording(bool on);
// Called for every finished native call, recording or not (for invariant checks).
void setCallObserver(std::function<void(const NativeCall&)> observer);
// Calls opened inside another call, slots pushed with no call open, calls run unopened, too many slots.
size_t protocolErrors();

// The waits the script asked for, in order.
const std::vector<uint32_t>& waits();

// The clock behind GetTickCount.
void setTickCount(uint32_t ms);
void advanceTicks(uint32_t ms);
uint32_t tickCountNow();
// How often the plug-in has read the clock: every key test reads it once.
uint64_t tickCountReads();

// What DllMain handed over.
enum class HostEvent { scriptRegister, scriptUnregister, keyboardRegister, keyboardUnregister };
struct Registration {
    HostEvent event;
    void* pointer; // the module handle or the handler
};
const std::vector<Registration>& registrations();
bool scriptRegistered();
bool keyboardHandlerRegistered();

// Delivers one key message to the registered keyboard handler, on the calling thread.
void sendKeyMessage(uint32_t virtualKey, bool keyUp, int32_t altDown = 0, int32_t wasDown = 0);
inline void pressKey(uint32_t virtualKey) { sendKeyMessage(virtualKey, false); }
inline void releaseKey(uint32_t virtualKey) { sendKeyMessage(virtualKey, true, 0, 1); }

// Starts the registered script entry on its own thread; it first runs at the next runPass.
void startScript();
// Lets the script run until its next scriptWait and returns the milliseconds it asked for.
uint32_t runPass();
// Whether the script entry has returned (it never should).
bool scriptReturned();

} // namespace standin
