// The table of the last keyboard message seen for each virtual key. The keyboard handler
// writes it on whatever thread the host delivers messages on; isKeyHeld reads it in the
// script context. Every field is one relaxed 32-bit atomic: no locks, and a reader may see
// an entry whose fields come from two messages, which the next test settles.
#pragma once

#include <atomic>
#include <cstdint>

struct KeyState {
    std::atomic<uint32_t> tick{0};   // tick count when the last message for the key arrived
    std::atomic<int32_t> altDown{0}; // recorded as the host passed it, read by nothing
    std::atomic<int32_t> wasDown{0}; // recorded as the host passed it, read by nothing
    std::atomic<int32_t> keyUp{1};   // nonzero when the last message was a release; keys start released
};

// Indexed by virtual-key code 0 to 254; codes of 255 or more are never recorded or held.
constexpr uint32_t keyStateCount = 255;
// A key counts as held for at most this long after its last message.
constexpr uint32_t keyHoldWindowMs = 5000;

struct KeyStateTable {
    KeyState keys[keyStateCount]{};
};

extern KeyStateTable keyStateTable;

void keyMessageHandler(uint32_t virtualKey, uint16_t repeatCount, uint8_t scanCode, int32_t extended,
                       int32_t altDown, int32_t wasDown, int32_t keyUp);
bool isKeyHeld(uint32_t virtualKey);
