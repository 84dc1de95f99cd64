// A stand-in for the script-hook host, for running the real plug-in without the game.
// It defines the eight host functions and (on Linux) GetTickCount, records every native call,
// answers each from a responder that the test programs per hash, and runs the plug-in's script
// entry on a thread of its own with a strict hand-off: runPass() lets the script run until its
// next scriptWait, and exactly one side runs at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// On Windows the stand-in host lives in the stand-in ScriptHookRDR2.dll, which exports this
// interface to the programs that drive it (the simulator); elsewhere it is linked into them.
// Each Windows module has its own static copy of libstdc++, but both allocate from msvcrt.dll's
// one heap, so the containers and std::function below may cross the boundary.
#if defined(_WIN32) && defined(VORTHMERE_STANDIN_DLL)
#define STANDIN_HOST_API __declspec(dllexport)
#elif defined(_WIN32)
#define STANDIN_HOST_API __declspec(dllimport)
#else
#define STANDIN_HOST_API
#endif

namespace standin {

constexpr size_t maxSlots = 16;   // more than any native of the plug-in takes
constexpr size_t resultSlots = 4; // enough for a Vector3 and then some

struct NativeCall {
    uint64_t hash = 0;
    uint32_t slotCount = 0;
    uint64_t slots[maxSlots] = {};

    int32_t intArg(size_t i) const { return static_cast<int32_t>(static_cast<uint32_t>(slots[i])); }
    STANDIN_HOST_API float floatArg(size_t i) const;
    std::vector<uint64_t> slotList() const { return {slots, slots + slotCount}; }
};

// Writes the result slots (zeroed before each call) of one call.
using Responder = std::function<void(const NativeCall& call, uint64_t* result)>;

// Result helpers for responders.
STANDIN_HOST_API void writeInt(uint64_t* result, int32_t value);
STANDIN_HOST_API void writeFloat(uint64_t* result, float value);
STANDIN_HOST_API void writeVector(uint64_t* result, float x, float y, float z);
STANDIN_HOST_API Responder answerInt(int32_t value);
STANDIN_HOST_API Responder answerFloat(float value);
STANDIN_HOST_API Responder answerVector(float x, float y, float z);

// Forgets calls, responders, registrations, waits and protocol errors; the clock is kept.
STANDIN_HOST_API void reset();

// Responders: one per hash, and a fallback for hashes without one (default: zero result).
STANDIN_HOST_API void setResponder(uint64_t hash, Responder responder);
STANDIN_HOST_API void setFallbackResponder(Responder responder);

// The call log. Recording reuses its storage, so a steady run allocates nothing per call
// once the log has grown; turn it off for long runs.
STANDIN_HOST_API const std::vector<NativeCall>& calls();
STANDIN_HOST_API void clearCalls();
STANDIN_HOST_API void setRecording(bool on);
// Called for every finished native call, recording or not (for invariant checks).
STANDIN_HOST_API void setCallObserver(std::function<void(const NativeCall&)> observer);
// Calls opened inside another call, slots pushed with no call open, calls run unopened, too many slots.
STANDIN_HOST_API size_t protocolErrors();

// The waits the script asked for, in order.
STANDIN_HOST_API const std::vector<uint32_t>& waits();

// The clock behind GetTickCount.
STANDIN_HOST_API void setTickCount(uint32_t ms);
STANDIN_HOST_API void advanceTicks(uint32_t ms);
STANDIN_HOST_API uint32_t tickCountNow();
// How often the plug-in has read the clock: every key test reads it once.
STANDIN_HOST_API uint64_t tickCountReads();
// Runs the action once, at the plug-in's next clock read, after the time is taken and before it
// is returned: what a key message landing between two reads of a key test looks like.
STANDIN_HOST_API void atNextTickRead(std::function<void()> action);
// The plug-in's GetTickCount: the clock above, counting the read. The Linux library imports it
// from the program under that name; the Windows simulator points the DLL's import at it.
STANDIN_HOST_API uint32_t readTickCount();

// What DllMain handed over.
enum class HostEvent { scriptRegister, scriptUnregister, keyboardRegister, keyboardUnregister };
struct Registration {
    HostEvent event;
    void* pointer; // the module handle or the handler
};
STANDIN_HOST_API const std::vector<Registration>& registrations();
STANDIN_HOST_API bool scriptRegistered();

// Delivers one key message to the registered keyboard handler, on the calling thread.
STANDIN_HOST_API void sendKeyMessage(uint32_t virtualKey, bool keyUp, int32_t altDown = 0,
                                     int32_t wasDown = 0);
// Delivers one key message with the repeat count and flags exactly as given (scan code and
// extended flag 0), as a host passes on what the window received.
STANDIN_HOST_API void deliverKeyMessage(uint32_t virtualKey, uint16_t repeats, int32_t altDown,
                                        int32_t wasDown, int32_t keyUp);
inline void pressKey(uint32_t virtualKey) { sendKeyMessage(virtualKey, false); }
inline void releaseKey(uint32_t virtualKey) { sendKeyMessage(virtualKey, true, 0, 1); }

// Starts the registered script entry on a thread of its own; it first runs at the next runPass.
// Called again, it starts the entry anew, as a host restarts its scripts when a save is loaded:
// the new run starts from the top, and the thread of the old one, parked in its scriptWait,
// never runs again. Called only between passes, from the thread that runs them.
STANDIN_HOST_API void startScript();
// Lets the script run until its next scriptWait and returns the milliseconds it asked for.
STANDIN_HOST_API uint32_t runPass();
// Whether the script entry has returned (it never should).
STANDIN_HOST_API bool scriptReturned();

} // namespace standin
