// Creating and destroying the scripted camera pair.
#pragma once

// Creates both cameras at the game camera's pose and shows primaryCam. Runs only while
// active is 0: a second activation would orphan a pair that could never be destroyed.
void activateCamera();
// Hands the view back to the game and destroys both cameras; the stale handles stay. Runs only while active
// is 1.
void deactivateCamera();
