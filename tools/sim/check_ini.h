// vorthmere-sim --check-ini: the plug-in's own settings report of a file, as Vorthmere.log shows
// it at start, read with the plug-in's settings code and the same inih.
#pragma once

#include <ostream>
#include <string>

// Prints the report; returns the exit status: 0 without warnings, 1 with warnings, 2 when the
// file cannot be opened or is a folder.
int checkIniFile(const std::string& path, std::ostream& out);
