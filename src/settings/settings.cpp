#include "settings/settings.h"

#include "settings/ini_scan.h"
#include "settings/key_names.h"
#include "settings/setting_rows.h"
#include "settings/settings_report.h"

#include <INIReader.h>

Settings settings;

// Lookup order is the file's documented order; enable_on_default alone is read only at start.
const SettingRow settingRows[] = {
    {"enable_key1", 17, &Settings::enableKey1, true},
    {"enable_key2", 90, &Settings::enableKey2, true},
    {"disable_key1", 17, &Settings::disableKey1, true},
    {"disable_key2", 71, &Settings::disableKey2, true},
    {"enable_on_default", 0, &Settings::enableOnDefault, false},
    {"sensitivity_x", 7.2, &Settings::sensitivityX, true},
    {"sensitivity_y", 3.6, &Settings::sensitivityY, true},
    {"disable_in_scope", 0, &Settings::disableInScope, true},
    {"auto_center_time", 0, &Settings::autoCenterTime, true},
    {"default_fov", 52.282005, &Settings::defaultFov, true},
    {"short_fov", 45.0, &Settings::shortFov, true},
    {"long_fov", 35.0, &Settings::longFov, true},
};
const size_t settingRowCount = sizeof(settingRows) / sizeof(settingRows[0]);

bool isRealSetting(const SettingRow& row) { return std::holds_alternative<float Settings::*>(row.field); }

std::string settingText(const INIReader& reader, const SettingRow& row) {
    return reader.Get(settingsSection, row.key, "");
}

void applySetting(const INIReader& reader, const SettingRow& row) {
    const std::string text = settingText(reader, row);
    if (isRealSetting(row)) {
        const double value = realFromText(text.c_str()).value_or(row.fallback);
        settings.*std::get<float Settings::*>(row.field) = static_cast<float>(value);
        return;
    }
    if (auto keyCode = std::get_if<uint32_t Settings::*>(&row.field)) {
        const uint32_t fallback = static_cast<uint32_t>(static_cast<int32_t>(row.fallback));
        settings.** keyCode = keyCodeFromText(text.c_str()).value_or(fallback);
        return;
    }
    settings.*std::get<int32_t Settings::*>(row.field) =
        integerFromText(text.c_str()).value_or(static_cast<int32_t>(row.fallback));
}

namespace {
// A file that cannot be opened leaves the reader empty, so every key takes its default. The
// reader parses the text read here, in which no line holds a NUL byte (see readSettingsFile).
void readSettings(bool reloading) {
    const SettingsFile file = readSettingsFile(settingsFileName);
    const INIReader reader(file.text.data(), file.text.size());
    for (size_t i = 0; i < settingRowCount; ++i) {
        if (reloading && !settingRows[i].reloaded) continue;
        applySetting(reader, settingRows[i]);
    }
    settingsReport = reportSettingsRead(settingsFileName, file, reader, reloading);
}
} // namespace

void loadSettings() { readSettings(false); }

void reloadSettings() { readSettings(true); }
