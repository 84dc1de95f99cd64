#include "shell/script_entry.h"

#include "shell/mode_controller.h"
#include "shell/plugin_log.h"
#include "shell/settings_read.h"

void scriptEntry() {
    readSettingsAndReport(false);
    startLog();
    runModeController();
}
