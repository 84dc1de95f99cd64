#include "check_ini.h"

#include "report/line_scan.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

SettingsReport checkSettingsFile(const char* path) {
    LineScan scan;
    const IniLineWatcher watcher = lineScanWatcher(scan);
    const SettingsFile file = readSettings(path, false, &watcher);
    return reportSettingsRead(path, file, scan, false);
}

int checkIniFile(const std::string& path, std::ostream& out) {
    const SettingsReport report = checkSettingsFile(path.c_str());
    out << describeSettings(report);
    if (!report.opened) return 2;
    return report.warnings.empty() ? 0 : 1;
}
