// The warnings of the settings report, each naming the mistake and its fix. They describe the
// file and the values in force; they never change a value.
#pragma once

#include "report/line_scan.h"
#include "report/settings_report.h"

// Adds the warnings about the file (missing, encoding, sections), its lines (from the scan of the
// same read), the values read (text after a number, values the camera cannot use) and the two
// combinations; lists the first listedWarningLimit of them and counts the rest.
void addSettingsWarnings(SettingsReport& report, const SettingsFile& file, LineScan& scan);
