#include "key_writer.h"

#include "native_catalogue.h"
#include "script_thread.h"
#include "standin_host.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace keywriter {
namespace {
constexpr uint32_t keyZ = 90, keyG = 71;
constexpr uint32_t noKey = 0xFFFFFFFF; // a code no message is kept for

constexpr WriterScenario scenarios[] = {
    // Camera off: the off passes test the enable combination (Ctrl, then Z) beside the writer. Z
    // only ever gets releases, so however the entries tear, the camera never comes on.
    {"KeyTestsBesideKeyWriter", nullptr, keyZ, 0, 0, 0},
    // Camera on from the start: every pass is a frame update followed by the disable test (Ctrl,
    // then G). G only ever gets releases, so the camera stays on throughout.
    {"FrameUpdateBesideKeyWriter", "[Config]\nenable_on_default=1\n", keyG, passes, 2, 0},
    // Both combinations pressed and released: the camera switches on and off whenever the key
    // tests happen to see them, and each switch-off disposes of the pair the switch-on made.
    {"SwitchingBesideKeyWriter", nullptr, noKey, anyCount, anyCount, anyCount},
};

// Every code the table holds and a stretch past its end, plus the far end of the range.
std::vector<uint32_t> hammeredCodes() {
    std::vector<uint32_t> codes;
    for (uint32_t code = 0; code < 300; ++code) codes.push_back(code);
    codes.insert(codes.end(), {0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF});
    return codes;
}

// The writer thread's state: one writer per process, as each scenario runs in a fresh one.
// `codes` is filled before the thread starts and only read by it.
struct KeyWriter {
    std::vector<uint32_t> codes;
    std::atomic<uint32_t> stop{0};
    std::atomic<uint32_t> finished{0};
    std::atomic<uint64_t> sent{0};
};
KeyWriter writer;

void writeKeys(uint32_t onlyReleased) {
    for (bool keyUp = false; writer.stop.load(std::memory_order_relaxed) == 0; keyUp = !keyUp) {
        for (uint32_t code : writer.codes) standin::sendKeyMessage(code, keyUp || code == onlyReleased);
        writer.sent.fetch_add(writer.codes.size());
    }
    writer.finished.store(1);
}

bool holds(int expected, int actual) { return expected == anyCount || expected == actual; }

std::string mismatch(const char* what, int expected, int actual) {
    return std::string(what) + ": expected " + std::to_string(expected) + ", got " + std::to_string(actual);
}
} // namespace

std::span<const WriterScenario> writerScenarios() { return scenarios; }

const WriterScenario* findScenario(const std::string& name) {
    for (const WriterScenario& s : scenarios)
        if (name == s.name) return &s;
    return nullptr;
}

void prepareSettings(const WriterScenario& scenario) {
    if (scenario.settings) {
        std::ofstream("Vorthmere.ini", std::ios::binary) << scenario.settings;
    } else {
        std::remove("Vorthmere.ini");
    }
}

PassCounts runBesideKeyWriter(const WriterScenario& scenario) {
    PassCounts counts;
    standin::setRecording(false);
    standin::setCallObserver([&counts](const standin::NativeCall& call) {
        if (call.hash == catalogue::hashOf("createCameraWithPose")) ++counts.creations;
        if (call.hash == catalogue::hashOf("disposeCamera")) ++counts.disposals;
    });
    standin::setTickCount(100000);
    standin::startScript();

    writer.codes = hammeredCodes();
    standin::startDetachedThread(writeKeys, scenario.onlyReleased);
    while (writer.sent.load() == 0) standin::yieldThread(); // under way before the first pass

    const uint64_t sentBefore = writer.sent.load();
    for (int i = 0; i < passes; ++i) {
        const uint32_t wait = standin::runPass();
        wait == 0 ? ++counts.onPasses : ++counts.offPasses;
        standin::advanceTicks(wait == 0 ? 16 : wait);
    }
    counts.messagesWhilePassing = writer.sent.load() - sentBefore;
    writer.stop.store(1);
    while (writer.finished.load() == 0) standin::yieldThread();
    counts.scriptReturned = standin::scriptReturned();
    counts.protocolErrors = standin::protocolErrors();
    return counts;
}

std::string brokenExpectation(const WriterScenario& s, const PassCounts& c) {
    if (!holds(s.onPasses, c.onPasses)) return mismatch("frame passes", s.onPasses, c.onPasses);
    if (!holds(s.creations, c.creations)) return mismatch("cameras created", s.creations, c.creations);
    if (!holds(s.disposals, c.disposals)) return mismatch("cameras disposed of", s.disposals, c.disposals);
    const int alive = c.creations - c.disposals;
    if (c.creations % 2 != 0 || (alive != 0 && alive != 2))
        return "cameras not created and disposed in pairs";
    if (c.messagesWhilePassing == 0) return "no key message arrived during the passes";
    if (c.scriptReturned) return "the script entry returned";
    if (c.protocolErrors != 0) return "native calls broke the call protocol";
    return "";
}

std::string describeCounts(const PassCounts& c) {
    char line[200];
    std::snprintf(line, sizeof line,
                  "%d frame passes, %d off passes, %d cameras created, %d disposed of, %llu key messages",
                  c.onPasses, c.offPasses, c.creations, c.disposals,
                  static_cast<unsigned long long>(c.messagesWhilePassing));
    return line;
}

} // namespace keywriter
