// The shell's read of Vorthmere.ini: the values into the settings record, then the report of
// that same read into settingsReport, for the log. In the script context only.
#pragma once

// At the start of the script entry (every key) or before a switch-on by the enable combination
// (every key but enable_on_default).
void readSettingsAndReport(bool reloading);
