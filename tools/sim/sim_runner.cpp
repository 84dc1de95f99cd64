#include "sim_runner.h"

#include "decimal_text.h"
#include "sim_game.h"
#include "standin_host.h"

#include <cstdio>
#include <type_traits>

namespace sim {
namespace {
constexpr size_t keptViolations = 50;
constexpr uint32_t keyRepeatMs = 500; // a held key repeats its key-down message, as keyboards do

using Run = SessionRun;

void violation(Run& run, const std::string& message) {
    if (run.result.violations.size() < keptViolations) run.result.violations.push_back({run.frame, message});
    ++run.result.violationCount;
}

uint32_t elapsedMs() { return standin::tickCountNow() - startTicks; }

void setUpWorld(Run& run) {
    World& world = run.game.world;
    world.characterPosition = run.session.characterStart;
    world.characterHeading = run.session.characterHeading;
    world.targetPosition = run.session.targetPosition;
}

void repeatHeldKeys(HeldKeys& held) {
    for (auto& [key, lastMessage] : held) {
        if (standin::tickCountNow() - lastMessage < keyRepeatMs) continue;
        standin::sendKeyMessage(key, false, 0, 1);
        lastMessage = standin::tickCountNow();
    }
}

void beginFrame(Run& run) {
    size_t& nextEvent = run.nextEvent;
    startFrame(run.game.world);
    const std::vector<SessionEvent>& events = run.session.events;
    std::vector<std::string> faults;
    EventStage stage{run.game.world, run.heldKeys, &faults};
    for (; nextEvent < events.size() && events[nextEvent].frame <= run.frame; ++nextEvent) {
        const SessionEvent& event = events[nextEvent];
        applyEvent(event, stage);
        const bool noted = !event.note.empty();
        run.result.events.push_back({run.frame, noted ? event.note : describeEvent(event), noted});
    }
    for (const std::string& fault : faults) violation(run, fault);
    repeatHeldKeys(run.heldKeys);
    countIdleFrame(run.game.world);
    run.game.tracePrefix = "[frame " + padLeft(std::to_string(run.frame), 5) + ' ' +
                           padLeft(fixedText(elapsedMs() / 1000.0, 3), 7) + " s]";
}

template <typename List> void reportNew(Run& run, const List& list, size_t& seen) {
    for (; seen < list.size(); ++seen) {
        if constexpr (std::is_same_v<typename List::value_type, CameraFault>) {
            violation(run, list[seen].message);
        } else {
            violation(run, list[seen]);
        }
    }
}

void checkPass(Run& run, uint32_t wait) {
    for (const std::string& message : passViolations(run.game.cameras, wait)) violation(run, message);
    reportNew(run, run.game.cameras.faults, run.cameraFaultsSeen);
    reportNew(run, run.game.callFaults, run.callFaultsSeen);
    if (standin::protocolErrors() != run.protocolErrorsSeen) {
        run.protocolErrorsSeen = standin::protocolErrors();
        violation(run,
                  "host protocol error (a call opened inside another, or slots pushed with no call open)");
    }
}

// Off passes come every 5 ms; an on pass ends the frame. Returns false when the script ended.
bool runFramePasses(Run& run) {
    const uint32_t frameEnd = frameStartMs(run.frame + 1);
    for (;;) {
        const uint32_t wait = standin::runPass();
        ++run.result.passes;
        if (standin::scriptReturned()) {
            violation(run, "the script entry returned");
            return false;
        }
        checkPass(run, wait);
        if (wait == 0) break;
        standin::advanceTicks(wait);
        if (elapsedMs() >= frameEnd) return true;
    }
    if (elapsedMs() < frameEnd) standin::advanceTicks(frameEnd - elapsedMs());
    return true;
}

FrameSample sampleFrame(const Run& run) {
    const World& world = run.game.world;
    FrameSample sample;
    sample.frame = run.frame;
    sample.seconds = run.frame / static_cast<double>(framesPerSecond);
    const ScriptedCamera* shown = run.game.cameras.scriptedView ? activeCamera(run.game.cameras) : nullptr;
    sample.on = shown != nullptr;
    sample.position = shown ? shown->position : gameCameraPosition(world);
    sample.rotation = shown ? reportedRotation(*shown, world) : gameCameraRotation(world);
    sample.fov = shown ? shown->fov : gameCameraOwnFov;
    sample.distanceHanded = world.distanceHandedThisFrame;
    sample.distance = world.distanceHandedThisFrame ? world.handedDistance : 0.0f;
    sample.characterHeading = world.characterHeading;
    return sample;
}

bool startPlugin(Run& run, DllMainFunction dllMain) {
    static int moduleHandle;
    if (dllMain(&moduleHandle, 1, nullptr) != 1) violation(run, "DllMain refused the process attach");
    if (!standin::scriptRegistered()) {
        violation(run, "the plug-in registered no script entry");
        return false;
    }
    standin::startScript();
    return true;
}

} // namespace

void finishRun(Run& run) {
    for (const std::string& message : endViolations(run.game.cameras)) violation(run, message);
    run.result.nativeCalls = run.game.nativeCalls;
    run.result.camerasCreated = createdCameraCount(run.game.cameras);
    run.result.camerasDisposed = run.result.camerasCreated - aliveCameraCount(run.game.cameras);
    standin::setFallbackResponder(nullptr); // the game ends with this run
}

void pressKeys(HeldKeys& held, const std::vector<uint32_t>& keys) {
    for (uint32_t key : keys) {
        standin::sendKeyMessage(key, false, 0, held.count(key) ? 1 : 0);
        held[key] = standin::tickCountNow();
    }
}

void releaseKeys(HeldKeys& held, const std::vector<uint32_t>& keys) {
    for (uint32_t key : keys) {
        standin::releaseKey(key);
        held.erase(key);
    }
}

bool startRun(Run& run, DllMainFunction dllMain) {
    run.game.trace = run.options.trace;
    setUpWorld(run);
    standin::setTickCount(startTicks);
    installGame(run.game);
    run.result.started = startPlugin(run, dllMain);
    return run.result.started;
}

bool playFrame(Run& run) {
    beginFrame(run);
    if (!runFramePasses(run)) return false;
    run.result.samples.push_back(sampleFrame(run));
    if (run.options.progress) run.options.progress(run.result.samples.back(), run.session.frames);
    if (run.options.observe) run.options.observe(run.game);
    ++run.frame;
    return true;
}

RunResult runSession(const Session& session, DllMainFunction dllMain, const RunOptions& options) {
    Run run{session, options};
    if (startRun(run, dllMain)) {
        while (run.frame < session.frames && playFrame(run)) {}
    }
    finishRun(run);
    return run.result;
}

} // namespace sim
