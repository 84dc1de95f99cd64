// How one argument slot of a native call holds a value, for writing expected calls: the value
// in the low 32 bits, the upper half zero. Free of any test framework.
#pragma once

#include <bit>
#include <cstdint>

namespace slotcode {
// Integers and handles, zero-extended: -1 is 0x00000000FFFFFFFF.
constexpr uint64_t i(int32_t value) { return static_cast<uint32_t>(value); }
// Input identifiers, never sign-extended.
constexpr uint64_t u(uint32_t value) { return value; }
// Floats as their single-precision bits.
constexpr uint64_t f(float value) { return std::bit_cast<uint32_t>(value); }
} // namespace slotcode
