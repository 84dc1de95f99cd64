#include "work_folder.h"

#include <fstream>
#include <system_error>

namespace sim {
namespace fs = std::filesystem;

namespace {
std::optional<fs::path> makeTemporaryFolder() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) return std::nullopt;
    for (int n = 1; n < 10000; ++n) {
        const fs::path candidate = base / ("vorthmere-sim-" + std::to_string(n));
        if (fs::create_directory(candidate, error)) return candidate;
    }
    return std::nullopt;
}

bool writeFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}
} // namespace

WorkFolder enterWorkFolder(const std::string& workdir, const std::optional<std::string>& iniText) {
    WorkFolder folder;
    std::error_code error;
    folder.previous = fs::current_path(error);
    if (!workdir.empty()) {
        folder.path = workdir;
    } else if (auto made = makeTemporaryFolder()) {
        folder.path = *made;
        folder.temporary = true;
    } else {
        folder.error = "cannot make a temporary folder to play the session in";
        return folder;
    }
    if (folder.temporary && iniText && !writeFile(folder.path / "Vorthmere.ini", *iniText))
        folder.error = "cannot write " + (folder.path / "Vorthmere.ini").string();
    fs::current_path(folder.path, error);
    if (error) folder.error = "cannot enter " + folder.path.string() + ": " + error.message();
    return folder;
}

void leaveWorkFolder(const WorkFolder& folder) {
    std::error_code error;
    fs::current_path(folder.previous, error);
    if (folder.temporary) fs::remove_all(folder.path, error);
}

} // namespace sim
