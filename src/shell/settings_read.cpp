#include "shell/settings_read.h"

#include "report/line_scan.h"
#include "report/settings_report.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

void readSettingsAndReport(bool reloading) {
    LineScan scan;
    const IniLineWatcher watcher = lineScanWatcher(scan);
    const SettingsFile file = readSettings(settingsFileName, reloading, &watcher);
    settingsReport = reportSettingsRead(settingsFileName, file, scan, reloading);
}
