// The module's interface to the page and to Node: plays one session against the plug-in linked
// into this module and keeps what vorthmere-sim would print or write, plus what the page draws.
// Each play runs in a fresh instance of the module, as each vorthmere-sim run is a fresh process:
// the plug-in's records start zero-filled, and its working folder is the instance's root, where
// the host has put nothing but what the play writes.
#include "web_play.h"

#include "check_ini.h"
#include "reports.h"
#include "session.h"
#include "sim_game.h"

#include "settings/settings.h"
#include "shell/dll_main.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace web {
std::string outputs[outputCount];

namespace {
std::FILE* traceStream = nullptr;
std::vector<uint32_t> traceFrameEnds; // where each frame's calls end in the trace

constexpr uint32_t playQuiet = 1;  // no events table before the summary
constexpr uint32_t playTraced = 2; // keep every native call

std::string carriedName(const sim::World& world) {
    if (world.carriedA && world.carriedB) return "both";
    if (world.carriedA) return "horse";
    return world.carriedB ? "wagon" : "none";
}

bool lockedOnTarget(const sim::CameraRegistry& registry) {
    for (const sim::ScriptedCamera& camera : registry.cameras)
        if (camera.alive && camera.lockedOn == sim::targetHandle) return true;
    return false;
}

// The page draws exactly what was played.
void number(std::string& out, float value) { out += floatText(value); }

void vector(std::string& out, const char* name, Vector3 v) {
    out += '"';
    out += name;
    out += "\":[";
    number(out, v.x);
    out += ',';
    number(out, v.y);
    out += ',';
    number(out, v.z);
    out += "],";
}

void field(std::string& out, const char* name, float value) {
    out += '"';
    out += name;
    out += "\":";
    number(out, value);
    out += ',';
}

} // namespace

// One line of JSON for the frame just played: the world and the cameras as the page draws them.
void observeFrame(const sim::SimGame& game) {
    const sim::World& world = game.world;
    std::string& out = outputs[frames];
    out += '{';
    vector(out, "character", world.characterPosition);
    field(out, "characterHeading", world.characterHeading);
    vector(out, "game", sim::gameCameraPosition(world));
    vector(out, "gameRotation", sim::gameCameraRotation(world));
    field(out, "gameDistance", world.cameraDistance);
    field(out, "slope", world.slopeAngle);
    vector(out, "target", world.targetPosition);
    out += "\"carried\":\"" + carriedName(world) + "\",";
    out += std::string("\"scope\":") + (world.inputs.scope ? "true" : "false") + ',';
    out += std::string("\"aiming\":") + (world.inputs.aiming ? "true" : "false") + ',';
    out += std::string("\"locked\":") + (lockedOnTarget(game.cameras) ? "true" : "false");
    out += "}\n";
    if (traceStream) std::fflush(traceStream);
    traceFrameEnds.push_back(static_cast<uint32_t>(outputs[trace].size()));
}

std::string floatText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

void clearOutputs() {
    for (std::string& output : outputs) output.clear();
    traceFrameEnds.clear();
}

bool writeSettingsFile(const std::string& text) {
    std::FILE* file = std::fopen(settingsFile, "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

std::optional<sim::Session> readSession(std::string_view text, bool given, std::string_view name) {
    sim::SessionParse parse = sim::parseSession(given ? text : sim::embeddedSessionText(),
                                                given ? std::string(name) : "built-in session");
    for (const std::string& error : parse.errors) outputs[standardError] += error + '\n';
    return parse.session;
}

namespace {
// The trace goes straight into its output text, through a large buffer: the built-in session
// alone makes 70,000 calls.
ssize_t appendTrace(void*, const char* data, size_t size) {
    outputs[trace].append(data, size);
    return static_cast<ssize_t>(size);
}
} // namespace

sim::RunOptions tracedOptions(bool traced) {
    static char buffer[1 << 16];
    if (traced) {
        outputs[trace].reserve(8 << 20);
        traceStream = fopencookie(nullptr, "w", {nullptr, appendTrace, nullptr, nullptr});
        std::setvbuf(traceStream, buffer, _IOFBF, sizeof buffer);
    }
    sim::RunOptions options;
    options.trace = traceStream;
    options.observe = observeFrame;
    return options;
}

void endTrace() {
    if (traceStream) std::fclose(traceStream);
    traceStream = nullptr;
}

void writeRunOutputs(const sim::RunResult& result, const sim::Session& session, bool quiet) {
    std::ostringstream out;
    if (!quiet) sim::writeEventTable(result, out);
    sim::writeSummary(result, session, out);
    outputs[standardOutput] = out.str();
    std::ostringstream table;
    sim::writeCsv(result, table);
    outputs[csv] = table.str();
    outputs[events].clear();
    for (const sim::EventMark& mark : result.events)
        outputs[events] +=
            std::to_string(mark.frame) + (mark.noted ? "\tnoted\t" : "\t\t") + mark.label + '\n';
    writeSettingsReport();
}

// The check reads the file as loadSettings does, into the plug-in's own settings record; during a
// drive that record is the plug-in's, so it is put back as the plug-in left it.
void writeSettingsReport() {
    const Settings kept = settings;
    std::ostringstream described;
    checkIniFile(std::string("/") + settingsFile, described);
    outputs[report] = described.str();
    settings = kept;
}

int exitStatus(const sim::RunResult& result) { return result.violationCount > 0 || !result.started ? 1 : 0; }

uint32_t frameCallsStart(uint32_t frame) {
    return frame == 0 || frame > traceFrameEnds.size() ? 0 : traceFrameEnds[frame - 1];
}
uint32_t frameCallsEnd(uint32_t frame) { return frame < traceFrameEnds.size() ? traceFrameEnds[frame] : 0; }

namespace {
sim::RunResult runTraced(const sim::Session& session, bool traced) {
    const sim::RunOptions options = tracedOptions(traced);
    sim::RunResult result = sim::runSession(session, DllMain, options);
    endTrace();
    return result;
}

struct PlayRequest {
    std::string_view session;
    bool sessionGiven = false;
    std::string_view sessionName; // what its messages call it
    std::string_view ini;
    bool iniGiven = false;
    uint32_t flags = 0;
};

int play(const PlayRequest& request) {
    clearOutputs();
    const std::optional<sim::Session> session =
        readSession(request.session, request.sessionGiven, request.sessionName);
    if (!session) return 2;
    const bool hasSettings = request.iniGiven || session->hasSettings;
    const std::string settings =
        request.iniGiven ? std::string(request.ini) : sim::settingsFileText(*session);
    if (hasSettings && !writeSettingsFile(settings)) {
        outputs[standardError] += "vorthmere-sim: cannot write Vorthmere.ini\n";
        return 2;
    }
    const sim::RunResult result = runTraced(*session, (request.flags & playTraced) != 0);
    writeRunOutputs(result, *session, (request.flags & playQuiet) != 0);
    return exitStatus(result);
}
} // namespace
} // namespace web

using namespace web;

extern "C" {
__attribute__((export_name("vorthmere_alloc"))) char* allocateText(uint32_t size) {
    return static_cast<char*>(std::malloc(size ? size : 1));
}
__attribute__((export_name("vorthmere_free"))) void freeText(char* text) { std::free(text); }

// Plays the session named `name` (the built-in one when sessionGiven is 0) with this settings file
// (the session's [settings] when iniGiven is 0), quiet and traced as flags say; returns
// vorthmere-sim's exit status before it writes any file: 0, 1 for violations or a plug-in that did
// not start, 2 for an unusable session.
__attribute__((export_name("vorthmere_play"))) int32_t
playExport(const char* session, uint32_t sessionSize, int32_t sessionGiven, const char* name,
           uint32_t nameSize, const char* ini, uint32_t iniSize, int32_t iniGiven, uint32_t flags) {
    return play(
        {{session, sessionSize}, sessionGiven != 0, {name, nameSize}, {ini, iniSize}, iniGiven != 0, flags});
}

// What the last play left: 0 standard output, 1 standard error, 2 the CSV, 3 the frames as JSON
// lines, 4 the trace, 5 the settings report, 6 the events (frame, "noted" or nothing, label; by tabs),
// 7 a live drive's [scene] table.
__attribute__((export_name("vorthmere_output"))) const char* outputText(uint32_t kind) {
    return kind < outputCount ? outputs[kind].data() : nullptr;
}
__attribute__((export_name("vorthmere_output_size"))) uint32_t outputSize(uint32_t kind) {
    return kind < outputCount ? static_cast<uint32_t>(outputs[kind].size()) : 0;
}

// Where frame n's native calls start and end in the trace (output 4).
__attribute__((export_name("vorthmere_frame_calls_start"))) uint32_t frameCallsStartExport(uint32_t frame) {
    return frameCallsStart(frame);
}
__attribute__((export_name("vorthmere_frame_calls_end"))) uint32_t frameCallsEndExport(uint32_t frame) {
    return frameCallsEnd(frame);
}

// The built-in session's text, for the page's editor.
__attribute__((export_name("vorthmere_builtin_session"))) const char* builtinSession() {
    return sim::embeddedSessionText().data();
}
__attribute__((export_name("vorthmere_builtin_session_size"))) uint32_t builtinSessionSize() {
    return static_cast<uint32_t>(sim::embeddedSessionText().size());
}
}
