// The mode controller on the host's script thread while another thread delivers key messages
// as fast as it can, for every code including 255 and above. Under ThreadSanitizer this shows
// that the keyboard handler and everything the script context does (the key tests, switching
// the camera on and off, the frame update) share no unsynchronised data; in every build it
// checks that a key that only ever gets releases never completes a combination.
#include "fresh_process.h"
#include "native_catalogue.h"
#include "settings/settings.h"
#include "shell/dll_main.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <thread>
#include <vector>

namespace {

constexpr uint32_t keyZ = 90, keyG = 71;
constexpr uint32_t noKey = 0xFFFFFFFF; // a code no message is kept for
constexpr int passes = 3000;

// Every code the table holds and a stretch past its end, plus the far end of the range.
std::vector<uint32_t> hammeredCodes() {
    std::vector<uint32_t> codes;
    for (uint32_t code = 0; code < 300; ++code) codes.push_back(code);
    codes.insert(codes.end(), {0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF});
    return codes;
}

struct PassCounts {
    int onPasses = 0;  // passes that ended with the 0 ms wait of a frame
    int offPasses = 0; // passes that ended with the 5 ms wait
    int creations = 0;
    int disposals = 0;
    uint64_t messagesWhilePassing = 0;
};

// Runs the plug-in's script for a number of passes while a writer thread sends key-down and
// release messages in alternating rounds over all codes; `onlyReleased` gets releases only.
PassCounts runBesideKeyWriter(uint32_t onlyReleased) {
    PassCounts counts;
    standin::setRecording(false);
    standin::setCallObserver([&counts](const standin::NativeCall& call) {
        if (call.hash == catalogue::hashOf("createCameraWithPose")) ++counts.creations;
        if (call.hash == catalogue::hashOf("disposeCamera")) ++counts.disposals;
    });
    standin::setTickCount(100000);
    static int module;
    EXPECT_EQ(DllMain(&module, processAttachReason, nullptr), 1);
    standin::startScript();

    const std::vector<uint32_t> codes = hammeredCodes();
    std::atomic<bool> stop{false};
    std::atomic<uint64_t> sent{0};
    std::thread writer([&] {
        for (bool keyUp = false; !stop.load(std::memory_order_relaxed); keyUp = !keyUp) {
            for (uint32_t code : codes) standin::sendKeyMessage(code, keyUp || code == onlyReleased);
            sent.fetch_add(codes.size(), std::memory_order_relaxed);
        }
    });
    while (sent.load() == 0) std::this_thread::yield(); // the writer is under way before the first pass

    const uint64_t sentBefore = sent.load();
    for (int i = 0; i < passes; ++i) {
        const uint32_t wait = standin::runPass();
        wait == 0 ? ++counts.onPasses : ++counts.offPasses;
        standin::advanceTicks(wait == 0 ? 16 : wait);
    }
    counts.messagesWhilePassing = sent.load() - sentBefore;
    stop.store(true);
    writer.join();
    EXPECT_FALSE(standin::scriptReturned());
    EXPECT_EQ(standin::protocolErrors(), 0u);
    return counts;
}

void writeSettings(const char* text) { std::ofstream(settingsFileName) << text; }

// Camera off: the off passes test the enable combination (Ctrl, then Z) beside the writer. Z
// only ever gets releases, so however the entries tear, the camera never comes on.
TEST(ControllerConcurrency, KeyTestsBesideKeyWriter) {
    EXPECT_IN_FRESH_PROCESS([] {
        const PassCounts counts = runBesideKeyWriter(keyZ);
        EXPECT_EQ(counts.offPasses, passes);
        EXPECT_EQ(counts.creations, 0);
        EXPECT_GT(counts.messagesWhilePassing, 0u);
    });
}

// Camera on from the start: every pass is a frame update followed by the disable test (Ctrl,
// then G) beside the writer. G only ever gets releases, so the camera stays on throughout.
TEST(ControllerConcurrency, FrameUpdateBesideKeyWriter) {
    EXPECT_IN_FRESH_PROCESS([] {
        writeSettings("[Config]\nenable_on_default=1\n");
        const PassCounts counts = runBesideKeyWriter(keyG);
        EXPECT_EQ(counts.onPasses, passes);
        EXPECT_EQ(counts.creations, 2);
        EXPECT_EQ(counts.disposals, 0);
        EXPECT_GT(counts.messagesWhilePassing, 0u);
    });
}

// Both combinations pressed and released by the writer: the camera switches on and off at
// whatever moments the key tests happen to see them, and each switch-off disposes of the
// pair that the switch-on created.
TEST(ControllerConcurrency, SwitchingBesideKeyWriter) {
    EXPECT_IN_FRESH_PROCESS([] {
        const PassCounts counts = runBesideKeyWriter(noKey);
        EXPECT_EQ(counts.creations % 2, 0);
        const int alive = counts.creations - counts.disposals;
        EXPECT_TRUE(alive == 0 || alive == 2)
            << counts.creations << " created, " << counts.disposals << " disposed";
        RecordProperty("switchOns", counts.creations / 2);
    });
}

} // namespace
