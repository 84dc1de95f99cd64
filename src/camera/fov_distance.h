// Field of view by weapon class and the stepped camera distance, near the end of every frame.
#pragma once

// Chooses aimFov (default, or by the class of the weapon while aiming) and applies it to primaryCam.
void updateFieldOfView();
// Steps orbitDistance on the distance input and hands the game the distance scaled for the carried state.
void updateOrbitDistance();
