#include "shell/mode_controller.h"

#include "camera/camera_rig.h"
#include "camera/camera_setup.h"
#include "camera/look_frame.h"
#include "camera/suppression.h"
#include "host/host.h"
#include "host/natives.h"
#include "input/key_state.h"
#include "settings/settings.h"

namespace {
constexpr uint32_t onPassWaitMs = 0;  // one on pass per game frame
constexpr uint32_t offPassWaitMs = 5; // off passes poll the keys every 5 ms

// The second key is asked only when the first is held.
bool combinationHeld(uint32_t firstKey, uint32_t secondKey) {
    return isKeyHeld(firstKey) && isKeyHeld(secondKey);
}

// The combination is tested with the keys in force before the reload.
void testEnableCombination() {
    if (!combinationHeld(settings.enableKey1, settings.enableKey2)) return;
    reloadSettings();
    activateCamera();
}

// When the enable combination already switched the camera on in this pass, the suspension
// is simply over: a second activation would orphan the pair just created.
void testScopeResume() {
    if (cameraRig.scopeSuspended != 1) return;
    if (scopeViewActive() != 0 || settings.disableInScope != 1) return;
    cameraRig.scopeSuspended = 0;
    if (cameraRig.active != 1) activateCamera();
}
} // namespace

bool runOnPass() {
    updateLookFrame();
    if (combinationHeld(settings.disableKey1, settings.disableKey2)) {
        deactivateCamera();
        return false;
    }
    // The scope is asked on every pass that gets here, whatever the rule says.
    if (scopeViewActive() != 0 && settings.disableInScope == 1) {
        deactivateCamera();
        cameraRig.scopeSuspended = 1;
        return false;
    }
    scriptWait(onPassWaitMs);
    return true;
}

void runOffPass() {
    testEnableCombination();
    testScopeResume();
    suppressControls();
    scriptWait(offPassWaitMs);
}

void runModeController() {
    if (settings.enableOnDefault == 1) activateCamera();
    for (;;) {
        while (cameraRig.active == 1 && runOnPass()) {}
        runOffPass();
    }
}
