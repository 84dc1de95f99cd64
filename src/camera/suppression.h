#pragma once

// The four fixed game calls made on every pass of the mode loop, camera on or off.
void suppressControls();
