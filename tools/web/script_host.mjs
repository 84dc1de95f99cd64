// The host's side of the script hand-off (script_turns_web.cpp): the module asks to run the
// script with resumeScript; the script's scriptWait calls suspendScript, which unwinds the
// script's calls with Asyncify so that resumeScript can return; the next resumeScript rewinds
// them into that same scriptWait. The script keeps a stack of its own between turns.

const unwinding = 1;
const rewinding = 2;

// The "vorthmere" imports for one instance; attach(instance) must follow instantiation.
export function scriptHostImports() {
  const turn = { exports: null, scriptStack: 0, suspended: false, wait: 0 };
  const imports = {
    resumeScript() {
      const x = turn.exports;
      const stackPointer = x.__stack_pointer;
      const hostStack = stackPointer.value;
      stackPointer.value = turn.scriptStack;
      if (turn.suspended) x.asyncify_start_rewind(x.vorthmere_suspend_record());
      x.vorthmere_run_script();
      turn.suspended = x.asyncify_get_state() === unwinding;
      if (turn.suspended) x.asyncify_stop_unwind();
      turn.scriptStack = stackPointer.value;
      stackPointer.value = hostStack;
      return turn.suspended ? turn.wait : 0;
    },
    suspendScript(milliseconds) {
      const x = turn.exports;
      if (x.asyncify_get_state() === rewinding) {
        x.asyncify_stop_rewind(); // back inside the scriptWait that suspended: it returns now
        return;
      }
      turn.wait = milliseconds >>> 0;
      const record = x.vorthmere_suspend_record();
      const words = new Uint32Array(x.memory.buffer, record, 2);
      words[0] = record + 8; // where the saved calls start
      words[1] = record + x.vorthmere_suspend_record_size(); // and where the record ends
      x.asyncify_start_unwind(record);
    },
    forgetScript() {
      turn.suspended = false;
      turn.scriptStack = turn.exports.vorthmere_script_stack_top();
    },
  };
  return {
    imports,
    attach(instance) {
      turn.exports = instance.exports;
      turn.scriptStack = instance.exports.vorthmere_script_stack_top();
    },
  };
}
