#pragma once

// The work of one game frame while the scripted camera is on; called by the mode controller
// only while active is 1. A fixed sequence of native calls: no allocation, loop or wait.
void updateLookFrame();
