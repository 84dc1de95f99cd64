#include "check_ini.h"

#include "settings/settings_report.h"

int checkIniFile(const std::string& path, std::ostream& out) {
    const SettingsReport report = checkSettingsFile(path.c_str());
    out << describeSettings(report);
    if (!report.opened) return 2;
    return report.warnings.empty() ? 0 : 1;
}
