// What a read of a hostile Vorthmere.ini costs, against a bare INIReader("Vorthmere.ini") of the
// same inih on the same file. The plug-in's read is the whole of what the script entry does at
// start: the values, the report and the log lines. Each file lies in a folder of its own as
// Vorthmere.ini, and each reading runs in a fresh process of this program, so its peak resident
// memory (getrusage) is its own; memory is the growth beyond the same reading of an empty file.
// Times are the fastest of five reads. The program reports; it fails nothing.
#include "settings/settings.h"
#include "shell/plugin_log.h"
#include "shell/settings_read.h"

#include <INIReader.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {
struct HostileFile {
    const char* name;
    std::function<void(std::ofstream&, double scale)> write;
};

size_t scaled(size_t count, double scale) { return std::max<size_t>(1, static_cast<size_t>(count * scale)); }

// The files the read is held to; `scale` shrinks them for a quick run.
const HostileFile hostileFiles[] = {
    {"empty", [](std::ofstream&, double) {}},
    {"300k_repeated_keys",
     [](std::ofstream& out, double scale) {
         out << "[Config]\n";
         for (size_t i = 0; i < scaled(300000, scale); ++i) out << "default_fov = " << i << "\n";
     }},
    {"300k_unknown_keys",
     [](std::ofstream& out, double scale) {
         out << "[Config]\n";
         for (size_t i = 0; i < scaled(300000, scale); ++i) out << "unknown_key_" << i << " = " << i << "\n";
     }},
    {"100k_sections",
     [](std::ofstream& out, double scale) {
         for (size_t i = 0; i < scaled(100000, scale); ++i)
             out << "[section_" << i << "]\ndefault_fov = 40\n";
     }},
    {"20MB_line",
     [](std::ofstream& out, double scale) {
         // Written in pieces, so that this process never holds the line: its children's peak
         // memory starts from this one's.
         const std::string piece(1000, 'x');
         out << "[Config]\ndefault_fov = 40 ";
         for (size_t i = 0; i < scaled(20000, scale); ++i) out << piece;
         out << "\n";
     }},
    {"1MB_random_bytes",
     [](std::ofstream& out, double scale) {
         std::mt19937 random(17);
         for (size_t i = 0; i < scaled(1 << 20, scale); ++i) out.put(static_cast<char>(random() & 0xFF));
     }},
};

struct Reading {
    double seconds = 0;
    long peakKiB = 0;
};

// In the child: reads the working folder's Vorthmere.ini five times one way, prints the figures.
int readOnce(const std::string& how) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (how == "inireader") {
            const INIReader reader(settingsFileName);
            if (reader.ParseError() == -1) std::printf("(no file) ");
        } else {
            readSettingsAndReport(false);
            startLog();
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.6f %ld\n", best, usage.ru_maxrss);
    return 0;
}

// Runs this program on one folder, one way; its figures come back through a pipe.
Reading measure(const fs::path& folder, const char* how) {
    int out[2];
    if (pipe(out) != 0) std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string self = fs::read_symlink("/proc/self/exe").string(), mode = std::string("--read=") + how,
                      where = "--in=" + folder.string();
    char* argv[] = {const_cast<char*>(self.c_str()), const_cast<char*>(mode.c_str()),
                    const_cast<char*>(where.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ) != 0) std::exit(1);
    close(out[1]);
    char text[128] = "";
    const ssize_t got = read(out[0], text, sizeof text - 1);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    Reading r;
    if (got > 0) std::sscanf(text, "%lf %ld", &r.seconds, &r.peakKiB);
    return r;
}

double ratio(double a, double b) { return b > 0 ? a / b : 0; }

int compareAll(double scale) {
    const fs::path root =
        fs::temp_directory_path() / ("vorthmere-settings-bench-" + std::to_string(getpid()));
    Reading emptyBare, emptyPlugin;
    double worstTime = 0, worstMemory = 0;
    bool within = true;
    std::printf("%-20s %10s %10s %7s %12s %12s %7s\n", "file", "inih s", "plug-in s", "ratio", "inih KiB+",
                "plug-in KiB+", "ratio");
    for (const HostileFile& file : hostileFiles) {
        const fs::path folder = root / file.name;
        fs::create_directories(folder);
        {
            std::ofstream out(folder / settingsFileName, std::ios::binary);
            file.write(out, scale);
        }
        const Reading bare = measure(folder, "inireader"), plugin = measure(folder, "plugin");
        if (std::strcmp(file.name, "empty") == 0) emptyBare = bare, emptyPlugin = plugin;
        const long bareGrowth = std::max(0L, bare.peakKiB - emptyBare.peakKiB);
        const long pluginGrowth = std::max(0L, plugin.peakKiB - emptyPlugin.peakKiB);
        const double timeRatio = ratio(plugin.seconds, bare.seconds);
        const double memoryRatio = ratio(static_cast<double>(pluginGrowth), static_cast<double>(bareGrowth));
        std::printf("%-20s %10.4f %10.4f %7.2f %12ld %12ld %7.2f\n", file.name, bare.seconds, plugin.seconds,
                    timeRatio, bareGrowth, pluginGrowth, memoryRatio);
        if (std::strcmp(file.name, "empty") == 0) continue;
        worstTime = std::max(worstTime, timeRatio);
        worstMemory = std::max(worstMemory, memoryRatio);
        within = within && timeRatio <= 3.0 && pluginGrowth <= 3 * bareGrowth + 2048;
    }
    fs::remove_all(root);
    std::printf("\nsettings read against a bare INIReader: worst time ratio %.2f, worst memory growth ratio "
                "%.2f; within 3x and 3x + 2 MiB on every file: %s\n",
                worstTime, worstMemory, within ? "yes" : "no");
    return 0;
}
} // namespace

// vorthmere_settings_bench [--scale=F]: every file, both ways. --read=inireader|plugin --in=FOLDER
// is the child's part.
int main(int argc, char** argv) {
    std::string how, folder;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--read=", 0) == 0) how = arg.substr(7);
        if (arg.rfind("--in=", 0) == 0) folder = arg.substr(5);
        if (arg.rfind("--scale=", 0) == 0) scale = std::atof(arg.c_str() + 8);
    }
    if (how.empty()) return compareAll(scale);
    if (chdir(folder.c_str()) != 0) return 1;
    return readOnce(how);
}
