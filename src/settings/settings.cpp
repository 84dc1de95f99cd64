#include "settings/settings.h"

#include "host/platform.h"
#include "settings/setting_rows.h"

#include <INIReader.h>

#include <cerrno>
#include <cstdlib>
#include <limits>

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

std::optional<int32_t> integerFromText(const char* text) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 0);
    if (end == text) return std::nullopt;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::optional<double> realFromText(const char* text) {
    char* end = nullptr;
    const double value = strtodClassic(text, &end);
    if (end == text) return std::nullopt;
    return value;
}

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
    const int32_t value = integerFromText(text.c_str()).value_or(static_cast<int32_t>(row.fallback));
    if (auto keyCode = std::get_if<uint32_t Settings::*>(&row.field)) {
        settings.** keyCode = static_cast<uint32_t>(value);
    } else {
        settings.*std::get<int32_t Settings::*>(row.field) = value;
    }
}

namespace {
// A file that cannot be opened leaves the reader empty, so every key takes its default.
void readSettings(bool reloading) {
    const INIReader reader(settingsFileName);
    for (size_t i = 0; i < settingRowCount; ++i) {
        if (reloading && !settingRows[i].reloaded) continue;
        applySetting(reader, settingRows[i]);
    }
}
} // namespace

void loadSettings() { readSettings(false); }

void reloadSettings() { readSettings(true); }
