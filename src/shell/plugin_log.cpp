#include "shell/plugin_log.h"

#include "report/settings_report.h"

#include <vorthmere_version.h>

#include <cstdio>
#include <ctime>

namespace {
// The log of this process: lives as long as the process, touched only in the script context.
struct PluginLog {
    bool started = false; // the log was emptied at the first start of the script entry
    bool stopped = false; // the cap was reached: nothing more is written
    long size = 0;        // bytes in the file, as far as this process wrote them
    SettingsReport lastReport;
};
PluginLog pluginLog;

constexpr const char* stopLine = "Logging stopped: Vorthmere.log reached 64 KiB.\n";

// Appends text, or the stop line once when the text would pass the cap. Any failure to open or
// write only loses the text.
void writeLog(const std::string& text) {
    if (!pluginLog.started || pluginLog.stopped) return; // only a started script writes the log
    const long stopSize = static_cast<long>(std::char_traits<char>::length(stopLine));
    const bool fits = pluginLog.size + static_cast<long>(text.size()) + stopSize <= logCapBytes;
    std::FILE* file = std::fopen(logFileName, "ab");
    if (!file) return;
    const std::string& written = fits ? text : std::string(stopLine);
    if (std::fwrite(written.data(), 1, written.size(), file) == written.size())
        pluginLog.size += static_cast<long>(written.size());
    std::fclose(file);
    pluginLog.stopped = !fits;
}

std::string timeText(const char* format) {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[32] = "";
    if (local) std::strftime(text, sizeof text, format, local);
    return text;
}

// The first start empties the file; a later start appends and counts what is already there.
void openLog() {
    std::FILE* file = std::fopen(logFileName, pluginLog.started ? "ab" : "wb");
    pluginLog.started = true;
    if (!file) return;
    if (std::fseek(file, 0, SEEK_END) == 0) pluginLog.size = std::ftell(file);
    std::fclose(file);
}
} // namespace

void startLog() {
    const char* start = pluginLog.started ? "Started again " : "Started ";
    openLog();
    writeLog(std::string("Vorthmere ") + VORTHMERE_VERSION + " (" + VORTHMERE_COMMIT + ")\n" + start +
             timeText("%Y-%m-%d %H:%M:%S") + "\n" + describeSettings(settingsReport));
    pluginLog.lastReport = settingsReport;
}

void logSettingsReload() {
    writeLog(timeText("%H:%M:%S ") + describeSettingsChanges(pluginLog.lastReport, settingsReport));
    pluginLog.lastReport = settingsReport;
}

void logEvent(const std::string& text) { writeLog(timeText("%H:%M:%S ") + text + "\n"); }
