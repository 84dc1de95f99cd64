// Turns that face secondaryCam to a fixed pose relative to the player character. Neither
// turns the camera while the player aims.
#pragma once

// Faces behind the character while the look-behind input is held, and forward again when it ends.
void updateLookBehind();
// Re-centres behind the character after the idle time, while it rides in carried state A.
// Called by the frame only when the idle timer exceeds autoCenterTime and there was no look input.
void updateAutoCentre();
