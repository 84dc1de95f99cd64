// vorthmere-sim --check-ini: the plug-in's own settings report of a file, as Vorthmere.log shows
// it at start, read with the plug-in's settings code and the same inih. Not part of the plug-in:
// the plug-in reads only Vorthmere.ini in its working folder.
#pragma once

#include "report/settings_report.h"

#include <ostream>
#include <string>

// Reads a settings file as loadSettings does, storing its values in the settings record, and
// reports on it as the plug-in reports on its own reads.
SettingsReport checkSettingsFile(const char* path);

// Prints the report; returns the exit status: 0 without warnings, 1 with warnings, 2 when the
// file cannot be opened or is a folder.
int checkIniFile(const std::string& path, std::ostream& out);
