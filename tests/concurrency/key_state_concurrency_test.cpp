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
constexpr int minReaderRounds = 200;
constexpr int maxReaderRounds =
    100000; // a cap only: past the minimum the reader stops when the writer is done

// Every third key only ever gets releases; the others alternate key-down and release.
bool onlyReleased(uint32_t code) { return code % 3 == 0; }

TEST(KeyStateConcurrency, HandlerAndHeldTestRunSideBySide) {
    standin::setTickCount(100000);
    // Both sides announce themselves and start together, so their loops overlap.
    std::atomic<int> ready{0};
    auto startTogether = [&ready] {
        ready.fetch_add(1);
        while (ready.load() < 2) std::this_thread::yield();
    };
    std::atomic<bool> writerDone{false};
    std::thread writer([&startTogether, &writerDone] {
        startTogether();
        for (int round = 0; round < writerRounds; ++round) {
            const int32_t keyUp = round % 2; // the last round, odd, ends on a release
            for (uint32_t code = 0; code <= highestCode; ++code) {
                keyMessageHandler(code, 1, 0, 0, 0, keyUp ^ 1, onlyReleased(code) ? 1 : keyUp);
            }
            std::this_thread::yield(); // lets the reader in even when both share one core
        }
        // Finally press every alternating key once more, so the settled table is known.
        for (uint32_t code = 0; code <= highestCode; ++code) {
            if (!onlyReleased(code)) keyMessageHandler(code, 1, 0, 0, 0, 0, 0);
        }
        writerDone.store(true);
    });

    startTogether();
    int wronglyHeld = 0;
    int roundsWhileWriting = 0;
    for (int round = 0; round < minReaderRounds || (round < maxReaderRounds && !writerDone.load()); ++round) {
        if (!writerDone.load()) ++roundsWhileWriting;
        for (uint32_t code = 0; code <= highestCode; ++code) {
            const bool held = isKeyHeld(code);
            if (held && (onlyReleased(code) || code >= keyStateCount)) ++wronglyHeld;
        }
        if (round % 8 == 0) std::this_thread::yield();
    }
    writer.join();
    EXPECT_EQ(wronglyHeld, 0);

    // Once the writer is done every entry is settled: its final message decides.
    for (uint32_t code = 0; code <= highestCode; ++code) {
        const bool expected = code < keyStateCount && !onlyReleased(code);
        EXPECT_EQ(isKeyHeld(code), expected) << "key " << code;
    }
    RecordProperty("readerRoundsWhileWriting", roundsWhileWriting);
}

} // namespace
