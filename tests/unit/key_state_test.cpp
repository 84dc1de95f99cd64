// The key state table: what one keyboard message records, and when isKeyHeld counts a key as
// down. The table lives for the whole process, so every case uses key codes of its own
// (100 and above; other tests use lower codes) or overwrites its key with a fresh message.
#include "input/key_state.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void message(uint32_t key, int32_t keyUp, int32_t altDown = 0, int32_t wasDown = 0) {
    keyMessageHandler(key, 1, 0x2C, 0, altDown, wasDown, keyUp);
}

bool heldAt(uint32_t key, uint32_t now) {
    standin::setTickCount(now);
    return isKeyHeld(key);
}

constexpr uint32_t beforeWrap = 0xFFFFFFFFu - 1000; // 1001 ms before the counter wraps to 0

TEST(KeyState, HeldFromKeyDownForUnderFiveSeconds) {
    struct Case {
        const char* situation;
        uint32_t key;
        uint32_t messageTick;
        int32_t keyUp;
        uint32_t now;
        bool held;
    };
    const Case cases[] = {
        {"key-down just now", 100, 20000, 0, 20000, true},
        {"key-down 4999 ms ago", 101, 20000, 0, 24999, true},
        {"key-down 5000 ms ago", 102, 20000, 0, 25000, false},
        {"key-down long ago", 103, 20000, 0, 900000, false},
        {"release just now", 104, 20000, 1, 20000, false},
        {"release 1 ms ago", 105, 20000, 1, 20001, false},
        {"release flag 2", 106, 20000, 2, 20000, false},
        {"release flag -1", 107, 20000, -1, 20000, false},
        {"key-down at tick 0, read at once", 108, 0, 0, 0, true},
        {"key-down at tick 0, 5000 ms on", 109, 0, 0, 5000, false},
        {"highest code, key-down 4999 ms ago", 254, 20000, 0, 24999, true},
        // Elapsed time is taken modulo 2^32: a key-down shortly before the counter wraps stays held.
        {"key-down before the wrap, read just before it", 110, beforeWrap, 0, 0xFFFFFFFF, true},
        {"key-down before the wrap, read at 0", 111, beforeWrap, 0, 0, true},
        {"key-down before the wrap, 4999 ms on", 112, beforeWrap, 0, 3998, true},
        {"key-down before the wrap, 5000 ms on", 113, beforeWrap, 0, 3999, false},
        {"key-down at the last tick, 4999 ms on", 114, 0xFFFFFFFF, 0, 4998, true},
        {"key-down at the last tick, 5000 ms on", 115, 0xFFFFFFFF, 0, 4999, false},
        {"release before the wrap, read after it", 116, beforeWrap, 1, 10, false},
        {"key-down a whole counter period ago less 1 ms", 117, 1000, 0, 999, false},
    };
    for (const Case& c : cases) {
        standin::setTickCount(c.messageTick);
        message(c.key, c.keyUp);
        EXPECT_EQ(heldAt(c.key, c.now), c.held) << c.situation;
    }
}

TEST(KeyState, LaterMessagesReplaceEarlierOnes) {
    struct Case {
        const char* situation;
        uint32_t key;
        std::vector<std::pair<uint32_t, int32_t>> messages; // tick, release flag
        uint32_t now;
        bool held;
    };
    const Case cases[] = {
        {"auto-repeat refreshes the tick", 120, {{30000, 0}, {34000, 0}}, 38999, true},
        {"auto-repeat, 5000 ms after the last repeat", 121, {{30000, 0}, {34000, 0}}, 39000, false},
        {"down then up", 122, {{30000, 0}, {30100, 1}}, 30200, false},
        {"up then down", 123, {{30000, 1}, {30100, 0}}, 30200, true},
        {"down, up, down again", 124, {{30000, 0}, {30100, 1}, {30200, 0}}, 30300, true},
    };
    for (const Case& c : cases) {
        for (const auto& [tick, keyUp] : c.messages) {
            standin::setTickCount(tick);
            message(c.key, keyUp);
        }
        EXPECT_EQ(heldAt(c.key, c.now), c.held) << c.situation;
    }
}

// A message that lands after the test has read the key's tick and while it reads the clock (the
// clock says `now`, the message is stamped a tick later): the test times the message before, so
// the elapsed time never wraps, and the next test times the new one.
TEST(KeyState, MessageBetweenTheTwoReadsIsSeenAtTheNextTest) {
    struct Case {
        const char* situation;
        uint32_t key;
        int32_t earlierKeyUp; // the message 10 ms before the test
        int32_t landingKeyUp; // the message that lands during the clock read
        bool heldNow, heldNext;
    };
    const Case cases[] = {
        {"auto-repeat of a held key", 140, 0, 0, true, true},
        {"press of a released key", 141, 1, 0, true, true},
        {"release of a held key", 142, 0, 1, false, false},
    };
    constexpr uint32_t now = 50000;
    for (const Case& c : cases) {
        standin::setTickCount(now - 10);
        message(c.key, c.earlierKeyUp);
        standin::setTickCount(now);
        standin::atNextTickRead([&c] {
            standin::advanceTicks(1);
            message(c.key, c.landingKeyUp);
        });
        EXPECT_EQ(isKeyHeld(c.key), c.heldNow) << c.situation;
        EXPECT_EQ(isKeyHeld(c.key), c.heldNext) << c.situation << ", next test";
    }
}

// No message for it yet: the key starts released, whatever the clock reads.
TEST(KeyState, KeyWithoutAnyMessageIsNeverHeld) {
    constexpr uint32_t untouched = 253;
    for (uint32_t now : {0u, 1u, 4999u, 5000u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(heldAt(untouched, now)) << "clock " << now;
    }
}

TEST(KeyState, MessageRecordsItsFlagsUnchanged) {
    struct Case {
        uint32_t key;
        uint32_t tick;
        int32_t altDown, wasDown, keyUp;
    };
    const Case cases[] = {
        {130, 777, 1, 0, 0},
        {131, 0xFFFFFFF0, 0x20000000, -5, 2},
        {132, 42, -1, 7, -3},
    };
    for (const Case& c : cases) {
        standin::setTickCount(c.tick);
        // Repeat count, scan code and extended flag carry nothing into the table.
        keyMessageHandler(c.key, 65535, 0xFF, 1, c.altDown, c.wasDown, c.keyUp);
        const KeyState& entry = keyStateTable.keys[c.key];
        EXPECT_EQ(entry.tick.load(), c.tick) << c.key;
        EXPECT_EQ(entry.altDown.load(), c.altDown) << c.key;
        EXPECT_EQ(entry.wasDown.load(), c.wasDown) << c.key;
        EXPECT_EQ(entry.keyUp.load(), c.keyUp) << c.key;
    }
}

struct EntrySnapshot {
    uint32_t tick;
    int32_t altDown, wasDown, keyUp;
    bool operator==(const EntrySnapshot&) const = default;
};

std::vector<EntrySnapshot> snapshotTable() {
    std::vector<EntrySnapshot> entries;
    for (const KeyState& k : keyStateTable.keys) {
        entries.push_back({k.tick.load(), k.altDown.load(), k.wasDown.load(), k.keyUp.load()});
    }
    return entries;
}

TEST(KeyState, CodesFrom255UpAreNeverRecordedNorHeld) {
    for (uint32_t code : {255u, 256u, 300u, 0x80000000u, 0xFFFFFFFFu}) {
        standin::setTickCount(50000);
        const std::vector<EntrySnapshot> before = snapshotTable();
        const uint64_t clockReads = standin::tickCountReads();
        message(code, 0, 1, 1);
        EXPECT_FALSE(isKeyHeld(code)) << code;
        EXPECT_EQ(standin::tickCountReads(), clockReads) << code << ": neither call needs the clock";
        EXPECT_TRUE(snapshotTable() == before) << code << " changed the table";
    }
}

} // namespace
