// The settings keys as one table: a new setting is one new row. loadSettings and
// reloadSettings walk it in its order; the simulator's settings check reads it too.
#pragma once

#include "settings/number_text.h"
#include "settings/settings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

// Where a value is stored: key codes unsigned, other integers signed, reals as float.
using SettingField = std::variant<uint32_t Settings::*, int32_t Settings::*, float Settings::*>;

struct SettingRow {
    const char* key; // key name in the section "Config"
    double fallback; // default when the key is absent, empty or not a number
    SettingField field;
    bool reloaded; // read again by reloadSettings
};

extern const SettingRow settingRows[];
extern const size_t settingRowCount;

bool isRealSetting(const SettingRow& row);

// Converts the key's text (as SettingsFile holds it) and stores it, or the default, into its field.
void applySetting(const std::string& text, const SettingRow& row);
