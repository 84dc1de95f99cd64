// The script hand-off without threads. The page or Node (tools/web/script_host.mjs) owns the
// turn: resumeScript asks it to run the script, and the script's scriptWait suspends the whole
// script call chain with Asyncify, so that the host returns to its caller; the next resume
// rewinds the chain into that same scriptWait. The script runs on a stack of its own, as a thread
// would, so the host's calls between two turns never overwrite its frames.
#include "script_turns.h"

#include "shell/script_entry.h"

#include <cstdint>

namespace standin {
namespace {
#define VORTHMERE_IMPORT(name) __attribute__((import_module("vorthmere"), import_name(name)))

extern "C" {
// Runs the script until it yields or returns; the milliseconds it asked to wait.
VORTHMERE_IMPORT("resumeScript") uint32_t hostResumeScript();
// The one import that suspends (listed to Asyncify): the script gives the turn back here.
VORTHMERE_IMPORT("suspendScript") void hostSuspendScript(uint32_t milliseconds);
// Drops a suspended run: the next resume starts the entry again from the top.
VORTHMERE_IMPORT("forgetScript") void hostForgetScript();
}

struct Turns {
    ScriptFunction entry = nullptr;
    bool started = false;
    bool finished = false;
    bool inScriptTurn = false;
};
Turns turns;

// The script's stack and the record Asyncify saves the suspended call chain in.
alignas(16) unsigned char scriptStack[1 << 20];
alignas(16) unsigned char suspendRecord[64 << 10];
} // namespace

extern "C" {
__attribute__((export_name("vorthmere_script_stack_top"))) uintptr_t scriptStackTop() {
    return reinterpret_cast<uintptr_t>(scriptStack + sizeof scriptStack);
}
__attribute__((export_name("vorthmere_suspend_record"))) uintptr_t suspendRecordStart() {
    return reinterpret_cast<uintptr_t>(suspendRecord);
}
__attribute__((export_name("vorthmere_suspend_record_size"))) uint32_t suspendRecordSize() {
    return sizeof suspendRecord;
}
// Called by the host inside resumeScript, on the script's stack. While rewinding, Asyncify skips
// straight back into the suspended scriptWait, so nothing here runs twice. Only calls that Asyncify
// sees can suspend (indirect calls are left alone, which keeps the game's side fast), so the
// plug-in's entry, the one script this module registers, is called by name.
__attribute__((export_name("vorthmere_run_script"))) void runScriptTurn() {
    if (turns.entry == scriptEntry) {
        scriptEntry();
    } else {
        turns.entry(); // a script that cannot suspend: it runs until it returns
    }
    turns.finished = true;
}
}

void startScriptThread(ScriptFunction entry) {
    turns.entry = entry;
    turns.started = true;
    turns.finished = false;
    hostForgetScript();
}

uint32_t resumeScript() {
    if (!turns.started || turns.finished) return 0;
    turns.inScriptTurn = true;
    const uint32_t wait = hostResumeScript();
    turns.inScriptTurn = false;
    return wait;
}

void yieldToHost(uint32_t milliseconds) { hostSuspendScript(milliseconds); }

bool onScriptThread() { return turns.inScriptTurn; }

bool scriptFinished() { return turns.finished; }

} // namespace standin
