#include "shell/script_entry.h"

#include "settings/settings.h"
#include "shell/mode_controller.h"

void scriptEntry() {
    loadSettings();
    runModeController();
}
