// The host's call protocol: open a call by hash, push one 64-bit slot per argument, run it
// and read the result slots. Every game function goes through invokeNative.
#pragma once

#include "host/host.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// A vector as natives return it: three floats, each at the start of its own 8-byte slot.
struct Vector3 {
    alignas(8) float x;
    alignas(8) float y;
    alignas(8) float z;
};
static_assert(sizeof(Vector3) == 24, "a Vector3 fills three result slots");
static_assert(offsetof(Vector3, x) == 0 && offsetof(Vector3, y) == 8 && offsetof(Vector3, z) == 16,
              "Vector3 components sit at the start of their slots");

// One argument slot of a native call.
using NativeSlot = uint64_t;

// Integers, handles, flags and input identifiers: 32 bits, upper half zero (never sign-extended).
constexpr NativeSlot nativeSlot(int32_t value) { return static_cast<uint32_t>(value); }
constexpr NativeSlot nativeSlot(uint32_t value) { return value; }
// Floats: their single-precision bits in the low half.
constexpr NativeSlot nativeSlot(float value) { return std::bit_cast<uint32_t>(value); }
// Strings and out-parameters: the full 64-bit address.
inline NativeSlot nativeSlot(const char* text) { return reinterpret_cast<uintptr_t>(text); }
inline NativeSlot nativeSlot(int32_t* out) { return reinterpret_cast<uintptr_t>(out); }
// Any other argument type is a mistake in a wrapper: refuse it rather than guess its encoding.
NativeSlot nativeSlot(double) = delete;
NativeSlot nativeSlot(bool) = delete;
NativeSlot nativeSlot(int64_t) = delete;
NativeSlot nativeSlot(uint64_t) = delete;

// Appends arguments to the call already opened, in parameter order.
template <typename... Args> inline void pushNativeArgs(Args... args) {
    (nativePush64(nativeSlot(args)), ...);
}

// Runs the opened call and copies the part of the result that the caller needs at once,
// since the host may reuse the result slots at the next call.
template <typename Result> inline Result finishNative() {
    const uint64_t* slots = nativeCall();
    if constexpr (std::is_void_v<Result>) {
        (void)slots;
    } else if constexpr (std::is_same_v<Result, Vector3>) {
        Vector3 v;
        std::memcpy(&v.x, slots + 0, sizeof(float));
        std::memcpy(&v.y, slots + 1, sizeof(float));
        std::memcpy(&v.z, slots + 2, sizeof(float));
        return v;
    } else {
        static_assert(std::is_same_v<Result, int32_t> || std::is_same_v<Result, float>,
                      "natives return an int, a float, a Vector3 or nothing");
        Result value;
        std::memcpy(&value, slots, sizeof(Result));
        return value;
    }
}

// Runs the opened call and reads only the float at the start of one result slot.
inline float finishNativeFloatInSlot(size_t slot) {
    const uint64_t* slots = nativeCall();
    float value;
    std::memcpy(&value, slots + slot, sizeof value);
    return value;
}

template <typename Result, typename... Args> inline Result invokeNative(uint64_t hash, Args... args) {
    nativeInit(hash);
    pushNativeArgs(args...);
    return finishNative<Result>();
}
