#include "shell/mode_controller.h"

#include "camera/camera_rig.h"
#include "camera/camera_setup.h"
#include "camera/look_frame.h"
#include "camera/suppression.h"
#include "host/host.h"
#include "host/natives.h"
#include "input/key_state.h"
#include "settings/key_names.h"
#include "settings/settings.h"
#include "shell/plugin_log.h"
#include "shell/settings_read.h"

namespace {
constexpr uint32_t onPassWaitMs = 0;  // one on pass per game frame
constexpr uint32_t offPassWaitMs = 5; // off passes poll the keys every 5 ms

// The second key is asked only when the first is held.
bool combinationHeld(uint32_t firstKey, uint32_t secondKey) {
    return isKeyHeld(firstKey) && isKeyHeld(secondKey);
}

// The combination is tested with the keys in force before the reload.
void testEnableCombination() {
    const uint32_t first = settings.enableKey1, second = settings.enableKey2;
    if (!combinationHeld(first, second)) return;
    readSettingsAndReport(true);
    logSettingsReload();
    activateCamera();
    logEvent("Camera on: the enable combination " + combinationName(first, second));
}

// When the enable combination already switched the camera on in this pass, the suspension
// is simply over: a second activation would orphan the pair just created.
void testScopeResume() {
    if (cameraRig.scopeSuspended != 1) return;
    if (scopeViewActive() != 0 || settings.disableInScope != 1) return;
    cameraRig.scopeSuspended = 0;
    if (cameraRig.active == 1) {
        logEvent("The scope view closed; the camera is already on");
        return;
    }
    activateCamera();
    logEvent("Camera on: the scope view closed");
}

// The host may start the script entry again in the same process (scripts restart when a save
// is loaded) while the camera is still on: a second pair would orphan the first.
void switchOnAtStart() {
    if (cameraRig.active == 1) {
        logEvent("The camera is still on from before the script started again; it stays as it is");
        return;
    }
    activateCamera();
    logEvent("Camera on at start: enable_on_default = 1");
}
} // namespace

bool runOnPass() {
    updateLookFrame();
    if (combinationHeld(settings.disableKey1, settings.disableKey2)) {
        deactivateCamera();
        logEvent("Camera off: the disable combination " +
                 combinationName(settings.disableKey1, settings.disableKey2));
        return false;
    }
    // The scope is asked on every pass that gets here, whatever the rule says.
    if (scopeViewActive() != 0 && settings.disableInScope == 1) {
        deactivateCamera();
        cameraRig.scopeSuspended = 1;
        logEvent(
            "Camera off: the scope view is up (disable_in_scope = 1); it comes back when the scope closes");
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
    if (settings.enableOnDefault == 1) switchOnAtStart();
    for (;;) {
        while (cameraRig.active == 1 && runOnPass()) {}
        runOffPass();
    }
}
