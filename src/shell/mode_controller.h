// The endless loop that switches the scripted camera on and off. Runs in the host's script
// context; scriptWait is its only yield.
#pragma once

// Switches on at once when enableOnDefault is 1, then loops for the life of the process.
[[noreturn]] void runModeController();

// One pass of the camera while it is on. Returns false when the pass switched the camera off,
// so that the off pass follows at once, without a wait.
bool runOnPass();
// One pass while the camera is off: the enable and resume tests, then suppression and a 5 ms wait.
void runOffPass();
