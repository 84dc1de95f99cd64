// vorthmere-sim --check-ini: reads a settings file with the plug-in's own code and inih, and
// tells for each of the twelve keys the value the plug-in would use and where it came from.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sim {

struct CheckedSetting {
    std::string key;
    std::string value;   // as the plug-in stores it
    std::string keyName; // for key codes: the key, or why it can never be held
    bool fromFile = false;
    std::string reason; // why a present key fell back to its default, or a remark on the text
};

struct IniCheck {
    std::string path;
    bool opened = false;
    int firstBadLine = 0;                 // the first line inih skipped, 0 for none
    std::vector<CheckedSetting> settings; // the twelve keys, in the order the plug-in reads them
};

IniCheck checkIni(const std::string& path);
void printIniCheck(const IniCheck& check, std::ostream& out);

} // namespace sim
