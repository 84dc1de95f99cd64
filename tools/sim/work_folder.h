// The folder a session plays in. The plug-in reads Vorthmere.ini from its working folder, so
// by default the simulator makes a fresh temporary folder, writes the settings there (a copy
// of --ini, or the session's [settings]) and removes it afterwards. --workdir plays in a folder
// as it is, with whatever Vorthmere.ini it holds, and writes nothing into it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace sim {

struct WorkFolder {
    std::filesystem::path path;
    std::filesystem::path previous; // the working folder to return to
    bool temporary = false;
    std::string error;
};

// iniText: the settings file to write, if any (only into a temporary folder).
WorkFolder enterWorkFolder(const std::string& workdir, const std::optional<std::string>& iniText);
void leaveWorkFolder(const WorkFolder& folder);

} // namespace sim
