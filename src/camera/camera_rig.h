// CameraRig: the one process-wide record of the scripted camera pair and the camera modes.
// Lives for the whole process and is touched only in the host's script context. It starts
// zero-filled except for orbitDistance; nothing ever resets it as a whole.
//
// The fields above the line carry state from one frame, pass or switch to the next. The ones
// below it are scratch: each frame writes them before it reads them, and they hold nothing a
// later frame relies on (they are kept here because the game writes targetEntity through a
// pointer and because activation and the steps share them within a frame).
#pragma once

#include "host/native_call.h"

#include <cstdint>

struct CameraRig {
    int32_t primaryCam = 0;     // the camera the player sees; written only by activateCamera
    int32_t secondaryCam = 0;   // carries the steered pose, never made active; written only by activateCamera
    int32_t active = 0;         // 1 while the pair exists and is shown; set by activate/deactivateCamera only
    int32_t scopeSuspended = 0; // 1 while the scope rule holds the camera off; written by the mode controller
    int32_t lookBehind = 0;     // 1 while the look-behind view is held; written by updateLookBehind
    int32_t autoCentreLatch = 0; // set at an auto-centre measure of 1.0; cleared at 0.0 and on look input
    float aimFov = 0.0f; // chosen by updateFieldOfView; the next frame's placement hands it to primaryCam
    float orbitDistance = 3.5f; // stepped camera distance 3.5, 5.5, 7.5; kept for the life of the process
    // ---- scratch ----
    int32_t targetEntity = 0; // written by the game through the target query, then read by the lock
    Vector3 coord{};          // camera position: the game camera's, plus the slope correction
    Vector3 baseRot{};        // rotation last taken from the game camera or the character
    Vector3 lookRot{};        // rotation of secondaryCam, as last read back or steered
};

extern CameraRig cameraRig;
