#include "shell/script_entry.h"

#include "settings/settings.h"
#include "shell/mode_controller.h"
#include "shell/plugin_log.h"

void scriptEntry() {
    loadSettings();
    startLog();
    runModeController();
}
