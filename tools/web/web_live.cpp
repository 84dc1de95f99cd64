// A live drive in the module: the page starts it with a scene and settings, then plays one
// frame per display frame with that frame's inputs as session events, and finishes it. Each
// frame goes through the runner's own playFrame, as a session file's frames do, so a drive's
// events written out as a session replay to the same rows.
#include "web_play.h"

#include "reports.h"

#include "shell/dll_main.h"

#include <cstdio>
#include <memory>
#include <sstream>

namespace web {
namespace {
constexpr int longestDriveFrames = 600 * 60; // a session's longest, 600 seconds

// The drive of this instance, kept between the page's calls: the script is parked in its
// scriptWait between passes. run refers to session and options, so they live here with it.
struct LiveDrive {
    sim::Session session;
    sim::RunOptions options;
    std::unique_ptr<sim::SessionRun> run;
    bool finished = false;
};
std::unique_ptr<LiveDrive> drive;

std::string vectorText(Vector3 v) {
    return '[' + floatText(v.x) + ", " + floatText(v.y) + ", " + floatText(v.z) + ']';
}

// The scene as a session file writes it, each number reading back as the same float.
std::string sceneText(const sim::Session& session) {
    return "[scene]\ncharacter = " + vectorText(session.characterStart) +
           "\nheading = " + floatText(session.characterHeading) +
           "\ntarget = " + vectorText(session.targetPosition) + '\n';
}

// The frame's events, as session text; each must be for the frame about to be played.
// settingsWritten tells whether one writes the settings file.
bool addFrameEvents(std::string_view text, bool& settingsWritten) {
    if (text.empty()) return true;
    sim::SessionParse parse = sim::parseSession("duration = 600\n" + std::string(text), "live input");
    for (const std::string& error : parse.errors) outputs[standardError] += error + '\n';
    if (!parse.session) return false;
    const int frame = drive->run->frame;
    for (const sim::SessionEvent& event : parse.session->events) {
        if (event.frame == frame) continue;
        outputs[standardError] += "live input: an event for frame " + std::to_string(event.frame) +
                                  " while frame " + std::to_string(frame) + " plays\n";
        return false;
    }
    for (sim::SessionEvent& event : parse.session->events) {
        settingsWritten = settingsWritten || event.settingsFile.has_value();
        drive->session.events.push_back(std::move(event));
    }
    return true;
}

// The labels of the frame's events, as the CSV joins them.
std::string frameEventLabels(const sim::RunResult& result, int frame) {
    size_t first = result.events.size();
    while (first > 0 && result.events[first - 1].frame == frame) --first;
    std::string labels;
    for (size_t i = first; i < result.events.size(); ++i)
        labels += (labels.empty() ? "" : "; ") + result.events[i].label;
    return labels;
}
} // namespace

int startDrive(std::string_view sessionText, bool sessionGiven, std::string_view ini, bool iniGiven,
               bool traced) {
    clearOutputs();
    drive.reset();
    std::optional<sim::Session> session = readSession(sessionText, sessionGiven, "session.toml");
    if (!session) return 2;
    const bool hasSettings = iniGiven || session->hasSettings;
    if (hasSettings && !writeSettingsFile(iniGiven ? std::string(ini) : sim::settingsFileText(*session))) {
        outputs[standardError] += "vorthmere-sim: cannot write Vorthmere.ini\n";
        return 2;
    }
    drive = std::make_unique<LiveDrive>();
    drive->session = std::move(*session);
    drive->session.events.clear(); // the drive's own inputs are its events
    drive->session.frames = longestDriveFrames;
    drive->options = tracedOptions(traced);
    drive->run.reset(new sim::SessionRun{drive->session, drive->options});
    outputs[scene] = sceneText(drive->session);
    writeSettingsReport();
    return sim::startRun(*drive->run, DllMain) ? 0 : 1;
}

// 0 when the frame was played (its CSV row and world line are outputs csv and frames), 1 when
// the script ended, 2 when the events could not be used or no drive can go on.
int playDriveFrame(std::string_view eventsText) {
    outputs[csv].clear();
    outputs[frames].clear();
    outputs[standardError].clear();
    if (!drive || drive->finished || !drive->run->result.started) return 2;
    sim::SessionRun& run = *drive->run;
    if (run.frame >= longestDriveFrames) {
        outputs[standardError] = "live input: a drive is at most 600 seconds long\n";
        return 2;
    }
    bool settingsWritten = false;
    if (!addFrameEvents(eventsText, settingsWritten)) return 2;
    if (!sim::playFrame(run)) return 1;
    if (settingsWritten) writeSettingsReport();
    std::ostringstream row;
    sim::writeCsvRow(run.result.samples.back(), frameEventLabels(run.result, run.frame - 1), row);
    outputs[csv] = row.str();
    return 0;
}

// Ends the drive as a play ends: the end checks, then the summary, CSV, events and report.
int finishDrive() {
    if (!drive || drive->finished) return 2;
    drive->finished = true;
    sim::finishRun(*drive->run);
    endTrace();
    drive->session.frames = drive->run->frame;
    writeRunOutputs(drive->run->result, drive->session, true);
    return exitStatus(drive->run->result);
}

} // namespace web

extern "C" {
// Starts a drive with this scene and settings (as vorthmere_play takes them; the session's events
// are left out); returns 0, 1 when the plug-in did not start, 2 for an unusable session.
__attribute__((export_name("vorthmere_live_start"))) int32_t
liveStartExport(const char* session, uint32_t sessionSize, int32_t sessionGiven, const char* ini,
                uint32_t iniSize, int32_t iniGiven, int32_t traced) {
    return web::startDrive({session, sessionSize}, sessionGiven != 0, {ini, iniSize}, iniGiven != 0,
                           traced != 0);
}
// Plays the next frame with its events (session text, events = [{ frame = N, ... }], or empty).
__attribute__((export_name("vorthmere_live_frame"))) int32_t liveFrameExport(const char* events,
                                                                             uint32_t size) {
    return web::playDriveFrame({events, size});
}
__attribute__((export_name("vorthmere_live_finish"))) int32_t liveFinishExport() {
    return web::finishDrive();
}
}
