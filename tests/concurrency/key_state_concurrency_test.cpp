// Key messages arrive on the host's input thread while the script context asks isKeyHeld.
// Under ThreadSanitizer this proves the table is free of data races; in every build it checks
// that a torn entry never makes a key that was only ever released count as held.
#include "input/key_state.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr uint32_t highestCode = 300; // past the table's end, to exercise the bounds check
constexpr int writerRounds = 200;
constexpr int readerRounds = 400;

// Every third key only ever gets releases; the others alternate key-down and release.
bool onlyReleased(uint32_t code) { return code % 3 == 0; }

TEST(KeyStateConcurrency, HandlerAndHeldTestRunSideBySide) {
    standin::setTickCount(100000);
    std::atomic<bool> go{false};
    std::thread writer([&go] {
        while (!go.load(std::memory_order_acquire)) std::this_thread::yield();
        for (int round = 0; round < writerRounds; ++round) {
            const int32_t keyUp = round % 2; // the last round, odd, ends on a release
            for (uint32_t code = 0; code <= highestCode; ++code) {
                keyMessageHandler(code, 1, 0, 0, 0, keyUp ^ 1, onlyReleased(code) ? 1 : keyUp);
            }
        }
        // Finally press every alternating key once more, so the settled table is known.
        for (uint32_t code = 0; code <= highestCode; ++code) {
            if (!onlyReleased(code)) keyMessageHandler(code, 1, 0, 0, 0, 0, 0);
        }
    });

    go.store(true, std::memory_order_release);
    int wronglyHeld = 0;
    int heldSeen = 0;
    for (int round = 0; round < readerRounds; ++round) {
        for (uint32_t code = 0; code <= highestCode; ++code) {
            const bool held = isKeyHeld(code);
            if (held && (onlyReleased(code) || code >= keyStateCount)) ++wronglyHeld;
            if (held) ++heldSeen;
        }
    }
    writer.join();
    EXPECT_EQ(wronglyHeld, 0);

    // Once the writer is done every entry is settled: its final message decides.
    for (uint32_t code = 0; code <= highestCode; ++code) {
        const bool expected = code < keyStateCount && !onlyReleased(code);
        EXPECT_EQ(isKeyHeld(code), expected) << "key " << code;
    }
    RecordProperty("heldSeenWhileWriting", heldSeen);
}

} // namespace
