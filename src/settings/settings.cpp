#include "settings/settings.h"

#include "settings/key_names.h"
#include "settings/setting_rows.h"
#include "settings/settings_file.h"

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

void applySetting(const std::string& text, const SettingRow& row) {
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

SettingsFile readSettings(const char* path, bool reloading, const IniLineWatcher* watcher) {
    SettingsFile file = readSettingsFile(path, watcher);
    for (size_t i = 0; i < settingRowCount; ++i) {
        if (reloading && !settingRows[i].reloaded) continue;
        applySetting(file.keys[i].text, settingRows[i]);
    }
    return file;
}

SettingsFile loadSettings(const IniLineWatcher* watcher) {
    return readSettings(settingsFileName, false, watcher);
}

SettingsFile reloadSettings(const IniLineWatcher* watcher) {
    return readSettings(settingsFileName, true, watcher);
}
