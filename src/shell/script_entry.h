#pragma once

// The script the host runs in its script context: loads the settings, then runs the mode
// controller. Never returns.
[[noreturn]] void scriptEntry();
