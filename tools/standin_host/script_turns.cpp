#include "script_turns.h"

#include "script_thread.h"

namespace standin {
namespace {
enum class Turn { host, script };

// Never destroyed: the script thread stays blocked in it until the process ends.
struct Turns {
    TurnMutex mutex;
    TurnCondition changed;
    Turn turn = Turn::host;
    uint32_t lastWait = 0;
    bool started = false;
    bool finished = false;
    ScriptFunction entry = nullptr;
    ThreadId scriptThread{};
};
Turns& turns() {
    static Turns* instance = new Turns;
    return *instance;
}

void waitForTurn(std::unique_lock<TurnMutex>& lock, Turn mine) {
    Turns& t = turns();
    t.changed.wait(lock, [&] { return t.turn == mine; });
}

void handTurn(Turn next) {
    turns().turn = next;
    turns().changed.notify_all();
}

void runScriptThread() {
    ScriptFunction entry = nullptr;
    {
        std::unique_lock lock(turns().mutex);
        waitForTurn(lock, Turn::script);
        entry = turns().entry;
    }
    entry();
    std::unique_lock lock(turns().mutex);
    turns().finished = true;
    handTurn(Turn::host);
}
} // namespace

void startScriptThread(ScriptFunction entry) {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    t.started = true;
    t.entry = entry;
    t.scriptThread = startDetachedThread(runScriptThread);
}

uint32_t resumeScript() {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    if (!t.started || t.finished) return 0;
    handTurn(Turn::script);
    waitForTurn(lock, Turn::host);
    return t.lastWait;
}

void yieldToHost(uint32_t milliseconds) {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    t.lastWait = milliseconds;
    handTurn(Turn::host);
    waitForTurn(lock, Turn::script);
}

bool onScriptThread() {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    return t.started && currentThreadId() == t.scriptThread;
}

bool scriptThreadStarted() {
    std::unique_lock lock(turns().mutex);
    return turns().started;
}

bool scriptFinished() {
    std::unique_lock lock(turns().mutex);
    return turns().finished;
}

} // namespace standin
