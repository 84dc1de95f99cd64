#include "script_turns.h"

#include "script_thread.h"

namespace standin {
namespace {
enum class Turn { host, script };

// Never destroyed: script threads stay blocked in it until the process ends.
struct Turns {
    TurnMutex mutex;
    TurnCondition changed;
    Turn turn = Turn::host;
    // The run started last, counted from 1 (0: none yet). The script's turn belongs to this run
    // alone, so the thread of an abandoned run waits for a turn that never comes.
    uint32_t run = 0;
    uint32_t lastWait = 0;
    bool finished = false;
    ScriptFunction entry = nullptr;
    ThreadId scriptThread{};
};
Turns& turns() {
    static Turns* instance = new Turns;
    return *instance;
}

void waitForHostTurn(std::unique_lock<TurnMutex>& lock) {
    Turns& t = turns();
    t.changed.wait(lock, [&] { return t.turn == Turn::host; });
}

void waitForScriptTurn(std::unique_lock<TurnMutex>& lock, uint32_t run) {
    Turns& t = turns();
    t.changed.wait(lock, [&] { return t.turn == Turn::script && t.run == run; });
}

void handTurn(Turn next) {
    turns().turn = next;
    turns().changed.notify_all();
}

void runScriptThread(uint32_t run) {
    ScriptFunction entry = nullptr;
    {
        std::unique_lock lock(turns().mutex);
        waitForScriptTurn(lock, run);
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
    ++t.run;
    t.entry = entry;
    t.finished = false;
    t.scriptThread = startDetachedThread(runScriptThread, t.run);
}

uint32_t resumeScript() {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    if (t.run == 0 || t.finished) return 0;
    handTurn(Turn::script);
    waitForHostTurn(lock);
    return t.lastWait;
}

// Only the thread of the latest run ever holds the script's turn, so the caller is that run.
void yieldToHost(uint32_t milliseconds) {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    const uint32_t run = t.run;
    t.lastWait = milliseconds;
    handTurn(Turn::host);
    waitForScriptTurn(lock, run);
}

bool onScriptThread() {
    Turns& t = turns();
    std::unique_lock lock(t.mutex);
    return t.run != 0 && currentThreadId() == t.scriptThread;
}

bool scriptFinished() {
    std::unique_lock lock(turns().mutex);
    return turns().finished;
}

} // namespace standin
