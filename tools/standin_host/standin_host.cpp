#include "standin_host.h"

#include "script_turns.h"

#include <atomic>
#include <bit>
#include <cstring>
#include <unordered_map>

namespace standin {
namespace {
using KeyHandler = void (*)(uint32_t, uint16_t, uint8_t, int32_t, int32_t, int32_t, int32_t);

struct Host {
    std::unordered_map<uint64_t, Responder> responders;
    Responder fallback;
    std::function<void(const NativeCall&)> observer;
    std::vector<NativeCall> calls;
    std::vector<uint32_t> waits;
    std::vector<Registration> registrations;
    bool recording = true;
    bool callOpen = false;
    NativeCall current;
    uint64_t result[resultSlots] = {};
    size_t protocolErrors = 0;
    void (*script)() = nullptr;
    std::atomic<KeyHandler> keyHandler{nullptr};
    std::atomic<uint32_t> ticks{0};
    std::atomic<uint64_t> tickReads{0};
    std::function<void()> tickAction; // written only while tickActionArmed is false
    std::atomic<bool> tickActionArmed{false};
};
// Never destroyed, since the script thread may still be blocked in it when the process ends.
Host& host() {
    static Host* instance = new Host;
    return *instance;
}
} // namespace

float NativeCall::floatArg(size_t i) const { return std::bit_cast<float>(static_cast<uint32_t>(slots[i])); }

void writeInt(uint64_t* result, int32_t value) { result[0] = static_cast<uint32_t>(value); }
void writeFloat(uint64_t* result, float value) { result[0] = std::bit_cast<uint32_t>(value); }
void writeVector(uint64_t* result, float x, float y, float z) {
    result[0] = std::bit_cast<uint32_t>(x);
    result[1] = std::bit_cast<uint32_t>(y);
    result[2] = std::bit_cast<uint32_t>(z);
}
Responder answerInt(int32_t value) {
    return [value](const NativeCall&, uint64_t* r) { writeInt(r, value); };
}
Responder answerFloat(float value) {
    return [value](const NativeCall&, uint64_t* r) { writeFloat(r, value); };
}
Responder answerVector(float x, float y, float z) {
    return [x, y, z](const NativeCall&, uint64_t* r) { writeVector(r, x, y, z); };
}

void reset() {
    Host& h = host();
    h.responders.clear();
    h.fallback = nullptr;
    h.observer = nullptr;
    h.calls.clear();
    h.waits.clear();
    h.registrations.clear();
    h.recording = true;
    h.callOpen = false;
    h.protocolErrors = 0;
}

void setResponder(uint64_t hash, Responder responder) { host().responders[hash] = std::move(responder); }
void setFallbackResponder(Responder responder) { host().fallback = std::move(responder); }

const std::vector<NativeCall>& calls() { return host().calls; }
void clearCalls() { host().calls.clear(); }
void setRecording(bool on) { host().recording = on; }
void setCallObserver(std::function<void(const NativeCall&)> observer) {
    host().observer = std::move(observer);
}
size_t protocolErrors() { return host().protocolErrors; }
const std::vector<uint32_t>& waits() { return host().waits; }

void setTickCount(uint32_t ms) { host().ticks.store(ms, std::memory_order_relaxed); }
void advanceTicks(uint32_t ms) { host().ticks.fetch_add(ms, std::memory_order_relaxed); }
uint32_t tickCountNow() { return host().ticks.load(std::memory_order_relaxed); }
uint64_t tickCountReads() { return host().tickReads.load(std::memory_order_relaxed); }

void atNextTickRead(std::function<void()> action) {
    host().tickAction = std::move(action);
    host().tickActionArmed.store(true, std::memory_order_release);
}

// The action is claimed before it runs, so the clock reads inside it (the keyboard handler
// stamps its message) see a plain clock.
uint32_t readTickCount() {
    Host& h = host();
    h.tickReads.fetch_add(1, std::memory_order_relaxed);
    const uint32_t now = tickCountNow();
    if (h.tickActionArmed.load(std::memory_order_relaxed) &&
        h.tickActionArmed.exchange(false, std::memory_order_acq_rel)) {
        const std::function<void()> action = std::move(h.tickAction);
        action();
    }
    return now;
}

const std::vector<Registration>& registrations() { return host().registrations; }
bool scriptRegistered() { return host().script != nullptr; }

void sendKeyMessage(uint32_t virtualKey, bool keyUp, int32_t altDown, int32_t wasDown) {
    KeyHandler handler = host().keyHandler.load();
    if (handler) handler(virtualKey, 1, 0, 0, altDown, wasDown, keyUp ? 1 : 0);
}

void deliverKeyMessage(uint32_t virtualKey, uint16_t repeats, int32_t altDown, int32_t wasDown,
                       int32_t keyUp) {
    KeyHandler handler = host().keyHandler.load();
    if (handler) handler(virtualKey, repeats, 0, 0, altDown, wasDown, keyUp);
}

void startScript() {
    if (host().script) startScriptThread(host().script);
}

uint32_t runPass() { return resumeScript(); }
bool scriptReturned() { return scriptFinished(); }

} // namespace standin

using namespace standin;

extern "C" {
void scriptRegister(void* module, void (*entry)()) {
    host().script = entry;
    host().registrations.push_back({HostEvent::scriptRegister, module});
}

void scriptUnregister(void* module) {
    host().script = nullptr;
    host().registrations.push_back({HostEvent::scriptUnregister, module});
}

void keyboardHandlerRegister(KeyHandler handler) {
    host().keyHandler.store(handler);
    host().registrations.push_back({HostEvent::keyboardRegister, reinterpret_cast<void*>(handler)});
}

void keyboardHandlerUnregister(KeyHandler handler) {
    host().keyHandler.store(nullptr);
    host().registrations.push_back({HostEvent::keyboardUnregister, reinterpret_cast<void*>(handler)});
}

// Outside the script thread (a test calling plug-in functions directly) the wait is only recorded.
void scriptWait(uint32_t milliseconds) {
    if (host().recording) host().waits.push_back(milliseconds);
    if (onScriptThread()) yieldToHost(milliseconds);
}

void nativeInit(uint64_t hash) {
    Host& h = host();
    if (h.callOpen) ++h.protocolErrors;
    h.callOpen = true;
    h.current.hash = hash;
    h.current.slotCount = 0;
}

void nativePush64(uint64_t value) {
    Host& h = host();
    if (!h.callOpen || h.current.slotCount == maxSlots) {
        ++h.protocolErrors;
        return;
    }
    h.current.slots[h.current.slotCount++] = value;
}

uint64_t* nativeCall() {
    Host& h = host();
    if (!h.callOpen) ++h.protocolErrors;
    h.callOpen = false;
    std::memset(h.result, 0, sizeof(h.result));
    auto found = h.responders.find(h.current.hash);
    if (found != h.responders.end()) {
        found->second(h.current, h.result);
    } else if (h.fallback) {
        h.fallback(h.current, h.result);
    }
    if (h.recording) h.calls.push_back(h.current);
    if (h.observer) h.observer(h.current);
    return h.result;
}

// The Windows plug-in imports GetTickCount from KERNEL32.dll instead; the simulator redirects it.
#ifndef _WIN32
uint32_t GetTickCount() { return readTickCount(); }
#endif
}
