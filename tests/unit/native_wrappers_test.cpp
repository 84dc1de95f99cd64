// Every game native the plug-in calls, walked once: each wrapper against the catalogue's row of
// the same name (its hash, its slot count, the kind of each slot) and every slot it pushes. The
// catalogue is typed apart from the wrappers, so a typo or a lost slot on either side fails a row.
#include "camera/camera_rig.h"
#include "host/natives.h"
#include "native_catalogue.h"
#include "slot_codes.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

// One expected slot: its kind as the catalogue spells it (i int, u input identifier, f float,
// s string, p out-int) and, for the first three, its exact bits.
struct Slot {
    char kind;
    uint64_t bits;
};

Slot i(int32_t v) { return {'i', slotcode::i(v)}; }
Slot u(uint32_t v) { return {'u', slotcode::u(v)}; }
Slot f(float v) { return {'f', slotcode::f(v)}; }
// A slot spelt out bit by bit.
Slot bits(char kind, uint64_t value) { return {kind, value}; }
const Slot typeString{'s', 0};
const Slot targetAddress{'p', 0};

struct Row {
    const char* wrapper; // also the catalogue's name of its native
    std::function<void()> call;
    std::vector<Slot> slots;
};

// Copies the bytes at a pushed address through a pipe, so a truncated or wild address fails
// the row (EFAULT) instead of crashing the test program.
std::optional<std::string> bytesAt(uint64_t address, size_t count) {
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    std::string bytes(count, '\0');
    const ssize_t written =
        write(fds[1], reinterpret_cast<const void*>(static_cast<uintptr_t>(address)), count);
    const ssize_t got = written == static_cast<ssize_t>(count) ? read(fds[0], bytes.data(), count) : -1;
    close(fds[0]);
    close(fds[1]);
    if (got != static_cast<ssize_t>(count)) return std::nullopt;
    return bytes;
}

const std::vector<Row>& rows() {
    static const std::vector<Row> table = {
        // Scripted cameras.
        {"createCameraWithPose",
         [] { (void)createCameraWithPose(1.5f, -2.7f, 3.25f, -10.5f, 0.125f, 270.0f, 52.5f); },
         {typeString, f(1.5f), bits('f', 0xC02CCCCD), f(3.25f), f(-10.5f), f(0.125f), f(270.0f), f(52.5f),
          i(1), i(2)}},
        {"cameraActiveSwitch", [] { cameraActiveSwitch(-3, 1); }, {i(-3), i(1)}},
        {"useScriptedView", [] { useScriptedView(0); }, {i(0), i(1), i(0), i(1), i(1), i(0)}},
        {"disposeCamera", [] { disposeCamera(70001, 1); }, {i(70001), i(1)}},
        {"cameraRotation", [] { (void)cameraRotation(-41, 2); }, {i(-41), i(2)}},
        {"orientCamera",
         [] { orientCamera(12, -2.7f, 0.0f, 180.0f, 2); },
         {i(12), bits('f', 0x00000000C02CCCCD), bits('f', 0), bits('f', 0x0000000043340000), bits('i', 2)}},
        {"cameraPosition", [] { (void)cameraPosition(-99); }, {i(-99)}},
        {"setCameraPosition",
         [] { setCameraPosition(8, -1.25f, 2.5f, -1e6f); },
         {i(8), f(-1.25f), f(2.5f), f(-1e6f)}},
        {"applyCameraPose",
         [] { applyCameraPose(-6, 10.5f, -20.25f, 30.75f, -4.5f, 0.5f, -179.5f, 61.0f); },
         {i(-6), f(10.5f), f(-20.25f), f(30.75f), f(-4.5f), f(0.5f), f(-179.5f), f(61.0f), i(2500), i(0),
          i(0), i(2), i(1), i(0)}},
        {"applyCameraFov", [] { applyCameraFov(33, -2.7f); }, {i(33), f(-2.7f)}},
        {"lockCameraOnEntity",
         [] { lockCameraOnEntity(-14, 123456); },
         {i(-14), i(123456), f(0.0f), f(0.0f), f(0.0f), i(1)}},
        {"releaseCameraLock", [] { releaseCameraLock(-15); }, {i(-15)}},

        // The game's own camera.
        {"gameCameraPosition", [] { (void)gameCameraPosition(); }, {}},
        {"gameCameraRotation", [] { (void)gameCameraRotation(2); }, {i(2)}},
        {"alignGameCameraHeading",
         [] { alignGameCameraHeading(-37.5f, 1.0f); },
         {f(-37.5f), bits('f', 0x3F800000)}},
        {"alignGameCameraPitch", [] { alignGameCameraPitch(22.25f, 1.0f); }, {f(22.25f), f(1.0f)}},
        {"orientationSyncCallA", [] { orientationSyncCallA(0); }, {i(0)}},
        {"orientationSyncCallB", [] { orientationSyncCallB(0); }, {i(0)}},
        {"orientationSyncCallC", [] { orientationSyncCallC(0); }, {i(0)}},
        {"applyOrbitDistance", [] { applyOrbitDistance(1.0f, 5.5f); }, {f(1.0f), f(5.5f)}},

        // The player character and other entities.
        {"playerCharacter", [] { (void)playerCharacter(); }, {}},
        {"localPlayer", [] { (void)localPlayer(); }, {}},
        {"queryTargetEntity",
         [] { (void)queryTargetEntity(-2, &cameraRig.targetEntity); },
         {i(-2), targetAddress, i(1), i(1)}},
        {"entityPosition", [] { (void)entityPosition(4242, 1, 0); }, {i(4242), i(1), i(0)}},
        {"entityRotation", [] { (void)entityRotation(-4243, 2); }, {i(-4243), i(2)}},
        {"entityHeading", [] { (void)entityHeading(4244); }, {i(4244)}},
        {"entityMotion", [] { (void)entityMotion(-4245, 1); }, {i(-4245), i(1)}},
        {"isCarriedA", [] { (void)isCarriedA(4246, 0); }, {i(4246), i(0)}},
        {"carrierA", [] { (void)carrierA(-4247, 0); }, {i(-4247), i(0)}},
        {"isCarriedB", [] { (void)isCarriedB(4248); }, {i(4248)}},
        {"carrierB", [] { (void)carrierB(-4249); }, {i(-4249)}},
        {"carrierSlopeExclusionTest", [] { (void)carrierSlopeExclusionTest(4250); }, {i(4250)}},
        {"slopeExclusionTest", [] { (void)slopeExclusionTest(-4251); }, {i(-4251)}},
        {"entitySlopeAngle", [] { (void)entitySlopeAngle(4252); }, {i(4252)}},
        {"slopeFactor", [] { (void)slopeFactor(-12.75f); }, {f(-12.75f)}},
        {"pointDistance",
         [] { (void)pointDistance(1.0f, -2.0f, 3.5f, -4.25f, 5.0f, -6.125f); },
         {f(1.0f), f(-2.0f), f(3.5f), f(-4.25f), f(5.0f), f(-6.125f), i(1)}},

        // Aiming, scope and weapons.
        {"aimViewActive", [] { (void)aimViewActive(); }, {}},
        {"scopeViewActive", [] { (void)scopeViewActive(); }, {}},
        {"heldWeapon", [] { (void)heldWeapon(-501); }, {i(-501)}},
        {"weaponSelectsShortFov1", [] { (void)weaponSelectsShortFov1(502); }, {i(502)}},
        {"weaponSelectsShortFov2", [] { (void)weaponSelectsShortFov2(-503); }, {i(-503)}},
        {"weaponSelectsShortFov3", [] { (void)weaponSelectsShortFov3(504); }, {i(504)}},
        {"weaponSelectsLongFov1", [] { (void)weaponSelectsLongFov1(-505); }, {i(-505)}},
        {"weaponSelectsLongFov2", [] { (void)weaponSelectsLongFov2(506); }, {i(506)}},
        {"weaponSelectsLongFov3", [] { (void)weaponSelectsLongFov3(-507); }, {i(-507)}},

        // Input: 0, then an input identifier, never sign-extended.
        {"inputAxisValue",
         [] { (void)inputAxisValue(0, lookHorizontalInput); },
         {bits('i', 0), bits('u', 0x00000000A987235F)}},
        {"inputHeld", [] { (void)inputHeld(0, lookBehindInput); }, {i(0), u(lookBehindInput)}},
        {"inputReleased", [] { (void)inputReleased(0, targetLockInput); }, {i(0), u(targetLockInput)}},
        {"inputTriggered",
         [] { (void)inputTriggered(0, orbitDistanceInput); },
         {i(0), u(orbitDistanceInput)}},

        // Idle timer and the per-frame calls.
        {"idleTimer", [] { (void)idleTimer(); }, {}},
        {"setIdleTimer", [] { setIdleTimer(-1); }, {bits('i', 0x00000000FFFFFFFF)}},
        {"suppressionSubject", [] { (void)suppressionSubject(); }, {}},
        {"suppressForSubject", [] { suppressForSubject(-77, 1); }, {i(-77), i(1)}},
        {"suppressionCallA", [] { suppressionCallA(1); }, {i(1)}},
        {"suppressionCallB", [] { suppressionCallB(0); }, {i(0)}},
    };
    return table;
}

void expectSlot(const Slot& expected, uint64_t actual, const std::string& where) {
    switch (expected.kind) {
    case 's': {
        static const char type[] = "DEFAULT_SCRIPTED_CAMERA";
        const auto bytes = bytesAt(actual, sizeof type);
        ASSERT_TRUE(bytes.has_value()) << where << ": not a readable address: 0x" << std::hex << actual;
        EXPECT_EQ(*bytes, std::string(type, sizeof type)) << where;
        break;
    }
    case 'p':
        EXPECT_EQ(actual, reinterpret_cast<uintptr_t>(&cameraRig.targetEntity)) << where;
        break;
    default:
        EXPECT_EQ(actual, expected.bits) << where;
    }
}

// One wrapper's call against its row and against the catalogue's row of the same name.
void expectCall(const Row& row, const catalogue::Native& native) {
    standin::reset();
    row.call();
    const auto& calls = standin::calls();
    ASSERT_EQ(calls.size(), 1u) << row.wrapper;
    EXPECT_EQ(standin::protocolErrors(), 0u) << row.wrapper;
    const standin::NativeCall& call = calls[0];
    EXPECT_EQ(call.hash, native.hash)
        << row.wrapper << std::hex << " opened 0x" << call.hash << ", the catalogue says 0x" << native.hash;
    ASSERT_EQ(row.slots.size(), native.arguments.size())
        << row.wrapper << ": the row and the catalogue differ";
    ASSERT_EQ(call.slotCount, native.arguments.size()) << row.wrapper;
    for (size_t k = 0; k < row.slots.size(); ++k) {
        const std::string where = std::string(row.wrapper) + " slot " + std::to_string(k);
        EXPECT_EQ(row.slots[k].kind, native.arguments[k]) << where << ": the row and the catalogue differ";
        expectSlot(row.slots[k], call.slots[k], where);
    }
}

TEST(NativeWrappers, EachWrapperOpensItsHashAndPushesItsSlots) {
    std::set<uint64_t> hashes;
    std::set<std::string> names;
    for (const Row& row : rows()) {
        names.insert(row.wrapper);
        const catalogue::Native* native = catalogue::findNative(row.wrapper);
        ASSERT_NE(native, nullptr) << row.wrapper << " is not in the catalogue";
        expectCall(row, *native);
        if (!standin::calls().empty()) hashes.insert(standin::calls()[0].hash);
    }
    EXPECT_EQ(rows().size(), 55u);
    EXPECT_EQ(names.size(), catalogue::nativeCount) << "a native of the catalogue has no row, or one has two";
    EXPECT_EQ(hashes.size(), 55u) << "two wrappers share a hash";
}

TEST(NativeWrappers, InputIdentifiersAreTheGameInputs) {
    const struct {
        const char* role;
        uint32_t constant;
        uint32_t expected;
    } inputs[] = {
        {"horizontal look", lookHorizontalInput, 0xA987235F},
        {"vertical look", lookVerticalInput, 0xD2047988},
        {"look behind", lookBehindInput, 0x9959A6F0},
        {"orbit distance", orbitDistanceInput, 0x7F8D09B8},
        {"target lock", targetLockInput, 0xF8982F00},
    };
    for (const auto& input : inputs) EXPECT_EQ(input.constant, input.expected) << input.role;
}

} // namespace
