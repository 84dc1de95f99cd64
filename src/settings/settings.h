// Settings: the twelve values of Vorthmere.ini. One process-wide record, zero-filled until
// loadSettings runs at the start of the script entry; written only by loadSettings and
// reloadSettings, read in the script context for the life of the process.
#pragma once

#include "settings/settings_file.h"

#include <cstdint>

struct Settings {
    uint32_t enableKey1;     // enable combination, first key (virtual-key code)
    uint32_t enableKey2;     // enable combination, second key
    uint32_t disableKey1;    // disable combination, first key
    uint32_t disableKey2;    // disable combination, second key
    int32_t enableOnDefault; // 1: switch the camera on at start; read only at start
    float sensitivityX;      // heading degrees per unit of the horizontal look axis and frame
    float sensitivityY;      // pitch degrees per unit of the vertical look axis and frame
    int32_t disableInScope;  // 1: the scope view switches the camera off, and on again after
    int32_t autoCenterTime;  // idle threshold of the auto-centre
    float defaultFov;        // field of view when not aiming, and of new cameras
    float shortFov;          // field of view aiming a short-class weapon
    float longFov;           // field of view aiming a long-class weapon
};

extern Settings settings;

// The settings file, opened by this relative name in the process's working directory.
constexpr const char* settingsFileName = "Vorthmere.ini";
// The section all keys live in.
constexpr const char* settingsSection = "Config";

// Reads the file by this name into the record: every key, or at a reload every key but
// enable_on_default. A file that cannot be opened gives every key its default. Returns what was
// read, for whoever describes it; the watcher (may be null) sees every line on the way.
SettingsFile readSettings(const char* path, bool reloading, const IniLineWatcher* watcher);
// Reads all twelve keys from settingsFileName.
SettingsFile loadSettings(const IniLineWatcher* watcher = nullptr);
// Reads every key but enable_on_default again, before a switch-on by the enable combination.
SettingsFile reloadSettings(const IniLineWatcher* watcher = nullptr);
