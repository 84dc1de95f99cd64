#include "input/key_state.h"

#include "host/platform.h"

KeyStateTable keyStateTable;

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
}

void keyMessageHandler(uint32_t virtualKey, uint16_t, uint8_t, int32_t, int32_t altDown, int32_t wasDown,
                       int32_t keyUp) {
    if (virtualKey >= keyStateCount) return;
    KeyState& key = keyStateTable.keys[virtualKey];
    key.tick.store(tickCount(), relaxed);
    key.altDown.store(altDown, relaxed);
    key.wasDown.store(wasDown, relaxed);
    key.keyUp.store(keyUp, relaxed);
}

// The elapsed time is taken modulo 2^32, so a key pressed just before the tick counter
// wraps stays held across the wrap. The key's tick is read before the clock, so the clock is
// never behind it: a message that lands between the two reads is seen at the next test instead
// of wrapping the difference.
bool isKeyHeld(uint32_t virtualKey) {
    if (virtualKey >= keyStateCount) return false;
    const KeyState& key = keyStateTable.keys[virtualKey];
    const uint32_t stamped = key.tick.load(relaxed);
    const uint32_t elapsed = tickCount() - stamped;
    if (elapsed >= keyHoldWindowMs) return false;
    return key.keyUp.load(relaxed) == 0;
}
