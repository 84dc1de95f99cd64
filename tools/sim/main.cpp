// vorthmere-sim: plays a session against the built plug-in in the stand-in host and shows what
// the camera does; --check-ini prints the plug-in's report of a settings file.
#include "check_ini.h"
#include "decimal_text.h"
#include "plugin_library.h"
#include "reports.h"
#include "session.h"
#include "sim_runner.h"
#include "work_folder.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace {
struct Options {
    std::string sessionFile;
    std::string csvFile;
    std::string svgFile;
    std::string iniFile;
    std::string workdir;
    std::string library = sim::defaultLibraryPath();
    std::string checkIniFile;
    bool trace = false;
    bool quiet = false;
    bool printSession = false;
};

void defineOptions(CLI::App& app, Options& o) {
    app.add_option("session", o.sessionFile, "Session file (TOML); the built-in session when absent")
        ->check(CLI::ExistingFile);
    app.add_option("--csv", o.csvFile, "Write the per-frame pose the player sees to FILE")->type_name("FILE");
    app.add_option("--svg", o.svgFile, "Write a plot of heading, pitch, field of view and distance to FILE")
        ->type_name("FILE");
    app.add_flag("--trace", o.trace, "Print every native call by name");
    app.add_flag("-q,--quiet", o.quiet, "No progress line and no events table");
    auto* ini = app.add_option("--ini", o.iniFile, "Play with this settings file instead of the session's")
                    ->check(CLI::ExistingFile)
                    ->type_name("FILE");
    app.add_option("--workdir", o.workdir, "Play in DIR, reading DIR/Vorthmere.ini as it is")
        ->check(CLI::ExistingDirectory)
        ->type_name("DIR")
        ->excludes(ini);
    app.add_option("--library", o.library, "The plug-in library to load")->type_name("PATH");
    app.add_flag("--print-session", o.printSession, "Print the built-in session and exit");
    app.add_option("--check-ini", o.checkIniFile,
                   "Tell what the plug-in reads from a settings file, and exit")
        ->type_name("FILE");
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::optional<sim::Session> loadSession(const Options& o) {
    const std::optional<std::string> text =
        o.sessionFile.empty() ? std::string(sim::embeddedSessionText()) : readFile(o.sessionFile);
    if (!text) {
        std::cerr << "vorthmere-sim: cannot read " << o.sessionFile << "\n";
        return std::nullopt;
    }
    sim::SessionParse parse =
        sim::parseSession(*text, o.sessionFile.empty() ? "built-in session" : o.sessionFile);
    for (const std::string& error : parse.errors) std::cerr << error << "\n";
    return parse.session;
}

// The settings file the session plays with: --ini, else the session's [settings], else none.
std::optional<std::string> settingsText(const Options& o, const sim::Session& session) {
    if (!o.iniFile.empty()) return readFile(o.iniFile);
    if (session.hasSettings) return sim::settingsFileText(session);
    return std::nullopt;
}

void showProgress(const sim::FrameSample& s, int frames) {
    if (s.frame % 6 != 0 && s.frame + 1 != frames) return;
    std::fprintf(stderr, "\r%6.2f / %.2f s  %-3s heading %7.1f  pitch %6.1f  fov %5.1f  distance %5s ",
                 s.seconds, frames / 60.0, s.on ? "on" : "off", double(s.rotation.z), double(s.rotation.x),
                 double(s.fov), s.distanceHanded ? std::to_string(s.distance).substr(0, 5).c_str() : "-");
    if (s.frame + 1 == frames) std::fputc('\n', stderr);
}

bool writeOutput(const std::string& path, const std::function<void(std::ostream&)>& write) {
    if (path.empty()) return true;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::ofstream out(path, std::ios::binary);
    write(out);
    if (!out) std::cerr << "vorthmere-sim: cannot write " << path << "\n";
    return static_cast<bool>(out);
}

std::string absolute(const std::string& path) {
    return path.empty() ? path : std::filesystem::absolute(path).string();
}

sim::RunOptions runOptions(const Options& o) {
    sim::RunOptions run;
    if (o.trace) run.trace = stdout;
    if (!o.quiet && !o.trace && sim::stderrIsTerminal()) run.progress = showProgress;
    return run;
}

// Plays in the work folder; nothing (the reason printed) when the folder could not be made ready.
std::optional<sim::RunResult> playInFolder(const Options& o, const sim::Session& session,
                                           sim::DllMainFunction dllMain) {
    const sim::WorkFolder folder = sim::enterWorkFolder(o.workdir, settingsText(o, session));
    if (!folder.error.empty()) {
        std::cerr << "vorthmere-sim: " << folder.error << "\n";
        sim::leaveWorkFolder(folder);
        return std::nullopt;
    }
    sim::RunResult result = sim::runSession(session, dllMain, runOptions(o));
    sim::leaveWorkFolder(folder);
    return result;
}

// The events table and the summary, then the files asked for; the exit status of the run.
int report(const Options& o, const sim::RunResult& result, const sim::Session& session) {
    if (!o.quiet) sim::writeEventTable(result, std::cout);
    sim::writeSummary(result, session, std::cout);
    std::cout.flush();
    const bool written =
        writeOutput(o.csvFile, [&](std::ostream& out) { sim::writeCsv(result, out); }) &&
        writeOutput(o.svgFile, [&](std::ostream& out) { sim::writeSvg(result, session.name, out); });
    if (result.violationCount > 0 || !result.started) return 1;
    return written ? 0 : 2;
}

// A folder given by --workdir is played as it is: a session that would write its Vorthmere.ini
// (a kept drive's settings_file) would overwrite a player's own file, so it is refused.
bool writesSettingsFile(const sim::Session& session) {
    for (const sim::SessionEvent& event : session.events)
        if (event.settingsFile) return true;
    return false;
}

int playSession(Options o) {
    const std::optional<sim::Session> session = loadSession(o);
    if (!session) return 2;
    if (!o.workdir.empty() && writesSettingsFile(*session)) {
        std::cerr
            << "vorthmere-sim: the session writes Vorthmere.ini (settings_file), and --workdir plays its "
               "folder as it is; play it without --workdir\n";
        return 2;
    }
    const sim::LoadedLibrary library = sim::loadPluginLibrary(absolute(o.library));
    if (!library.dllMain) {
        std::cerr << "vorthmere-sim: " << library.error << "\n";
        return 2;
    }
    // Output paths are taken from where the program was started, not from the work folder.
    o.csvFile = absolute(o.csvFile);
    o.svgFile = absolute(o.svgFile);
    const std::optional<sim::RunResult> result = playInFolder(o, *session, library.dllMain);
    return result ? report(o, *result, *session) : 2;
}
} // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "vorthmere-sim: plays a session against the built Vorthmere plug-in and shows what the camera "
        "does.\nWithout a session file it plays the built-in one (--print-session shows it)."};
    Options options;
    defineOptions(app, options);
    // CLI11 exits with codes of its own (105 for a missing file); a usage error is 2, as documented.
    const int parsed = [&] {
        CLI11_PARSE(app, argc, argv);
        return -1;
    }();
    if (parsed >= 0) return parsed == 0 ? 0 : 2;
    if (options.printSession) {
        std::cout << sim::embeddedSessionText();
        return 0;
    }
    if (!options.checkIniFile.empty()) return checkIniFile(options.checkIniFile, std::cout);
    std::cout.flush();
    return playSession(options);
}
