// The warnings of the settings report, each naming the mistake and its fix. They describe the
// file and the values in force; they never change a value.
#pragma once

#include "settings/ini_scan.h"
#include "settings/settings_report.h"

// Adds the warnings about the file (missing, encoding, sections), its lines (keys outside
// [Config], unknown or repeated keys, continuations, skipped and cut lines), the values read
// (text after a number, values the camera cannot use) and the two combinations.
void addSettingsWarnings(SettingsReport& report, const SettingsFile& file, const INIReader& reader);
