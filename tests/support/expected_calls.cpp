#include <gtest/gtest.h>

#include "expected_calls.h"

#include <bit>
#include <cstring>
#include <sstream>

namespace expect {

namespace {
// Stands for the address of the camera type string, compared by its text.
constexpr uint64_t typeStringSlot = ~uint64_t{0};
constexpr const char* cameraType = "DEFAULT_SCRIPTED_CAMERA";

Call creation(const Pose& p, float fov) {
    return {catalogue::hashOf("createCameraWithPose"),
            {typeStringSlot, f(p.x), f(p.y), f(p.z), f(p.pitch), f(0.0f), f(p.heading), f(fov), i(1), i(2)}};
}

std::string describe(uint64_t hash, const uint64_t* slots, size_t count) {
    std::ostringstream out;
    out << std::hex << "0x" << hash << "(";
    for (size_t k = 0; k < count; ++k) out << (k ? ", " : "") << "0x" << slots[k];
    out << ")";
    return out.str();
}

bool slotMatches(uint64_t expected, uint64_t actual) {
    if (expected != typeStringSlot) return expected == actual;
    const char* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(actual));
    return text && std::strcmp(text, cameraType) == 0;
}
} // namespace

Calls activation(const Pose& pose, float fov, int32_t primary) {
    return {{catalogue::hashOf("gameCameraPosition"), {}},
            {catalogue::hashOf("gameCameraRotation"), {i(2)}},
            creation(pose, fov),
            creation(pose, fov),
            {catalogue::hashOf("cameraActiveSwitch"), {i(primary), i(1)}},
            {catalogue::hashOf("useScriptedView"), {i(1), i(1), i(0), i(1), i(1), i(0)}},
            {catalogue::hashOf("idleTimer"), {}}};
}

Calls teardown(int32_t primary, int32_t secondary) {
    return {{catalogue::hashOf("cameraActiveSwitch"), {i(primary), i(0)}},
            {catalogue::hashOf("cameraActiveSwitch"), {i(secondary), i(0)}},
            {catalogue::hashOf("useScriptedView"), {i(0), i(1), i(0), i(1), i(1), i(0)}},
            {catalogue::hashOf("disposeCamera"), {i(primary), i(1)}},
            {catalogue::hashOf("disposeCamera"), {i(secondary), i(1)}}};
}

Calls suppression(int32_t subject) {
    return {{catalogue::hashOf("suppressionSubject"), {}},
            {catalogue::hashOf("suppressForSubject"), {i(subject), i(1)}},
            {catalogue::hashOf("suppressionCallA"), {i(1)}},
            {catalogue::hashOf("suppressionCallB"), {i(0)}}};
}

Calls scopeQuery() { return {{catalogue::hashOf("scopeViewActive"), {}}}; }

Calls join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

::testing::AssertionResult sameCalls(const std::vector<standin::NativeCall>& actual, const Calls& expected) {
    const size_t common = std::min(actual.size(), expected.size());
    for (size_t k = 0; k < common; ++k) {
        const standin::NativeCall& a = actual[k];
        const Call& e = expected[k];
        bool same = a.hash == e.hash && a.slotCount == e.slots.size();
        for (size_t s = 0; same && s < e.slots.size(); ++s) same = slotMatches(e.slots[s], a.slots[s]);
        if (!same)
            return ::testing::AssertionFailure()
                   << "call " << k << " is " << describe(a.hash, a.slots, a.slotCount) << ", expected "
                   << describe(e.hash, e.slots.data(), e.slots.size());
    }
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " calls, expected " << expected.size();
    return ::testing::AssertionSuccess();
}

std::vector<standin::NativeCall> callsFrom(size_t from) {
    const auto& all = standin::calls();
    if (from >= all.size()) return {};
    return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
}

size_t countCalls(uint64_t hash) {
    size_t n = 0;
    for (const auto& call : standin::calls()) n += call.hash == hash;
    return n;
}

} // namespace expect
