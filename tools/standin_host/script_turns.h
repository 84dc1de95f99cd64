// The hand-off between a host and the plug-in's script entry, which never returns: the
// script runs on a thread of its own, and exactly one side runs at a time. The host side
// resumes the script and blocks until the script yields at its next scriptWait.
#pragma once

#include <cstdint>

namespace standin {

using ScriptFunction = void (*)();

// Creates a script thread; the entry first runs at the next resumeScript. Called again, it
// starts a new run on a new thread and the earlier thread is never resumed. Called by the host
// side while it holds the turn.
void startScriptThread(ScriptFunction entry);
// Runs the script until it yields; returns the milliseconds it asked to wait.
uint32_t resumeScript();
// Called by scriptWait on the script thread: gives the turn back and waits for the next one.
void yieldToHost(uint32_t milliseconds);
bool onScriptThread();
bool scriptFinished();

} // namespace standin
