// The settings report: what a read of Vorthmere.ini gave each of the twelve keys and why, and
// every mistake in the file that a player would want named: a file that is missing or saved as
// UTF-16, a misspelt section or key, a key given twice, text after a number, values the camera
// cannot use, lines inih skipped or cut. Warnings never change a value: the values are exactly
// those the settings record holds. Made only where the file is read, never in a frame, by the
// shell after each read; the reading itself knows nothing of it.
#pragma once

#include "report/line_scan.h"
#include "settings/setting_rows.h"

#include <cstddef>
#include <string>
#include <vector>

// One key after a read.
struct SettingOutcome {
    const SettingRow* row = nullptr;
    bool read = true;      // false for enable_on_default at a reload, which keeps its value
    bool present = false;  // the key has a value in [Config]
    bool fromFile = false; // the value in force came from the file
    std::string value;     // the value in force as shown, e.g. "17 (Ctrl)" or "52.282005"
    std::string reason;    // why a key that is present fell back to its default
};

struct SettingsReport {
    std::string file;                     // the absolute name of the file read
    std::string folder;                   // the folder it was looked for in
    bool opened = false;                  // the file could be read
    std::vector<SettingOutcome> settings; // the twelve keys, in the order they are read
    std::vector<std::string> warnings;    // the first listedWarningLimit warnings, in order
    size_t unlistedWarnings = 0;          // the warnings after those, only counted
};

// The report of the last read by loadSettings or reloadSettings, for the log.
extern SettingsReport settingsReport;

// Reports on a read of the file (`path` is the name it was opened by) whose values have just been
// stored in the settings record; `scan` watched that read.
SettingsReport reportSettingsRead(const char* path, const SettingsFile& file, LineScan& scan, bool reloading);

// The whole report: the file, the twelve values with where each came from, the warnings (and
// how many more there were when not all are listed).
std::string describeSettings(const SettingsReport& report);
// What a reload changed: the values that differ from before, and warnings that are new.
std::string describeSettingsChanges(const SettingsReport& before, const SettingsReport& after);
