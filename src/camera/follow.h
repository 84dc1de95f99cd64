// Ties the scripted cameras to the game's own camera, which keeps running underneath.
// Both run only while active is 1, so both handles name live cameras.
#pragma once

// Turns the game's own camera after the rotation steered onto secondaryCam.
void alignGameCamera();
// Puts secondaryCam at the game camera's position, height-corrected for what carries the
// character, and hands its pose and aimFov to primaryCam.
void placeCamera();
