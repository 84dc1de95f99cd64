// The hand-off of script_turns.h for Windows hosts built with a toolchain that has no
// std::thread: a Win32 thread and two auto-reset events, one per side. Each side signals the
// other's event and then waits on its own, so exactly one side runs at a time, as on Linux.
#include "script_turns.h"

#include <windows.h>

#include <atomic>

namespace standin {
namespace {
// Never destroyed: the script thread stays blocked on its event until the process ends.
struct Turns {
    HANDLE scriptTurn = nullptr; // set by the host to let the script run
    HANDLE hostTurn = nullptr;   // set by the script when it yields or returns
    ScriptFunction entry = nullptr;
    std::atomic<uint32_t> lastWait{0};
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
    std::atomic<DWORD> scriptThread{0};
};
Turns& turns() {
    static Turns* instance = new Turns;
    return *instance;
}

DWORD WINAPI scriptThreadMain(LPVOID) {
    Turns& t = turns();
    WaitForSingleObject(t.scriptTurn, INFINITE);
    t.entry();
    t.finished.store(true);
    SetEvent(t.hostTurn);
    return 0;
}
} // namespace

void startScriptThread(ScriptFunction entry) {
    Turns& t = turns();
    t.scriptTurn = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    t.hostTurn = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    t.entry = entry;
    t.started.store(true);
    // The thread blocks on its event until the first resumeScript, after its id is stored.
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, scriptThreadMain, nullptr, 0, &id);
    t.scriptThread.store(id);
    if (thread) CloseHandle(thread);
}

uint32_t resumeScript() {
    Turns& t = turns();
    if (!t.started.load() || t.finished.load()) return 0;
    SetEvent(t.scriptTurn);
    WaitForSingleObject(t.hostTurn, INFINITE);
    return t.lastWait.load();
}

void yieldToHost(uint32_t milliseconds) {
    Turns& t = turns();
    t.lastWait.store(milliseconds);
    SetEvent(t.hostTurn);
    WaitForSingleObject(t.scriptTurn, INFINITE);
}

bool onScriptThread() {
    Turns& t = turns();
    return t.started.load() && GetCurrentThreadId() == t.scriptThread.load();
}

bool scriptThreadStarted() { return turns().started.load(); }

bool scriptFinished() { return turns().finished.load(); }

} // namespace standin
