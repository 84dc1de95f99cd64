// The names of the game natives the plug-in calls, by hash, with the kinds of their argument
// slots and result: the trace prints calls by these names, and a call by any other hash is
// reported as a fault of the plug-in.
#pragma once

#include <cstdint>

namespace sim {

// Argument kinds, one letter per slot: i int, u input identifier, f float, s string, p out-int.
// Result kinds: v none, i int, f float, V Vector3.
struct NativeEntry {
    uint64_t hash;
    const char* name;
    const char* arguments;
    char result;
};

// nullptr for a hash the plug-in has no business calling.
const NativeEntry* findNative(uint64_t hash);
// All entries, in the catalogue's order.
const NativeEntry* nativeEntries();
int nativeEntryCount();

} // namespace sim
