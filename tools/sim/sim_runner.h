// Plays a session against the plug-in loaded into the stand-in host: 60 game frames a second,
// the plug-in's passes in each frame, the invariants after every pass, and a sample of what
// the player sees at the end of every frame.
#pragma once

#include "session.h"
#include "sim_cameras.h"
#include "sim_game.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace sim {

struct FrameSample {
    int frame = 0;
    double seconds = 0.0;
    bool on = false; // the player sees the scripted camera
    Vector3 position{};
    Vector3 rotation{}; // pitch, roll, heading
    float fov = 0.0f;
    bool distanceHanded = false; // the plug-in handed the game a distance in this frame
    float distance = 0.0f;
    float characterHeading = 0.0f;
};

struct Violation {
    int frame = 0;
    std::string message;
};

struct EventMark {
    int frame = 0;
    std::string label; // the note, or what the event does
    bool noted = false;
};

struct RunResult {
    bool started = false;
    std::vector<FrameSample> samples;
    std::vector<EventMark> events;
    std::vector<Violation> violations; // the first ones; violationCount counts all
    size_t violationCount = 0;
    uint64_t passes = 0;
    uint64_t nativeCalls = 0;
    int camerasCreated = 0;
    int camerasDisposed = 0;
};

struct RunOptions {
    std::FILE* trace = nullptr;                                   // every native call, when set
    std::function<void(const FrameSample&, int frames)> progress; // after every frame
    std::function<void(const SimGame&)> observe;                  // the whole game after every frame
};

using DllMainFunction = int32_t (*)(void* instance, uint32_t reason, void* reserved);

// The clock starts well after 0, as a machine's tick count does some minutes after it starts.
constexpr uint32_t startTicks = 1000000;

// A play in progress. A whole session and a live drive go through the same steps: startRun,
// then playFrame for each frame, then finishRun. The session may gain events between frames
// (a live drive adds each frame's before playing it), never lose them.
struct SessionRun {
    const Session& session;
    const RunOptions& options;
    SimGame game{};
    RunResult result{};
    HeldKeys heldKeys{};
    size_t cameraFaultsSeen = 0;
    size_t callFaultsSeen = 0;
    size_t protocolErrorsSeen = 0;
    size_t nextEvent = 0; // the first event of the session not yet applied
    int frame = 0;        // the frame playFrame plays next
};

// Sets up the scene and starts the plug-in; the library must be freshly loaded in this process.
// Returns result.started.
bool startRun(SessionRun& run, DllMainFunction dllMain);
// Plays one frame: its events at its start, the plug-in's passes, the invariants, the sample.
// False, with nothing sampled, when the script entry returned.
bool playFrame(SessionRun& run);
// The checks at the end and the figures of the run; the stand-in host forgets the game.
void finishRun(SessionRun& run);

// Runs the whole session; the library must be freshly loaded in this process.
RunResult runSession(const Session& session, DllMainFunction dllMain, const RunOptions& options);

// What is wrong after a pass that asked for this wait (empty when nothing is).
std::vector<std::string> passViolations(const CameraRegistry& cameras, uint32_t wait);
// What is wrong at the end of a session.
std::vector<std::string> endViolations(const CameraRegistry& cameras);

// Key messages as a keyboard sends them: a key pressed while already down sends a repeat, and
// its release ends it.
void pressKeys(HeldKeys& held, const std::vector<uint32_t>& keys);
void releaseKeys(HeldKeys& held, const std::vector<uint32_t>& keys);

// Game time of a frame's start, in ms since the session began: 16 or 17 ms a frame.
uint32_t frameStartMs(int frame);

} // namespace sim
