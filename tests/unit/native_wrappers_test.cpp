// Every game native the plug-in calls, walked once: the hash each wrapper opens and every slot
// it pushes. The hashes and slots here are typed from the game's catalogue, not from the
// wrappers, so a typo or a lost slot on either side fails a row.
#include "camera/camera_rig.h"
#include "host/natives.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <bit>
#include <cstring>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Slot {
    enum Kind { value, typeString, targetAddress } kind;
    uint64_t bits;
};

// Integers are pushed as 32 bits with the upper half zero, floats as their single-precision bits.
Slot i(int32_t v) { return {Slot::value, static_cast<uint64_t>(static_cast<uint32_t>(v))}; }
Slot u(uint32_t v) { return {Slot::value, static_cast<uint64_t>(v)}; }
Slot f(float v) { return {Slot::value, static_cast<uint64_t>(std::bit_cast<uint32_t>(v))}; }
Slot raw(uint64_t bits) { return {Slot::value, bits}; }
const Slot typeString{Slot::typeString, 0};
const Slot targetAddress{Slot::targetAddress, 0};

struct Row {
    const char* wrapper;
    std::function<void()> call;
    uint64_t hash;
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
         0x40C23491CE83708E,
         {typeString, f(1.5f), raw(0xC02CCCCD), f(3.25f), f(-10.5f), f(0.125f), f(270.0f), f(52.5f), i(1),
          i(2)}},
        {"cameraActiveSwitch", [] { cameraActiveSwitch(-3, 1); }, 0x87295BCA613800C8, {i(-3), i(1)}},
        {"useScriptedView",
         [] { useScriptedView(0); },
         0x33281167E4942E4F,
         {i(0), i(1), i(0), i(1), i(1), i(0)}},
        {"disposeCamera", [] { disposeCamera(70001, 1); }, 0x4E67E0B6D7FD5145, {i(70001), i(1)}},
        {"cameraRotation", [] { (void)cameraRotation(-41, 2); }, 0x9BF96B57254E7889, {i(-41), i(2)}},
        {"orientCamera",
         [] { orientCamera(12, -2.7f, 0.0f, 180.0f, 2); },
         0x63DFA6810AD78719,
         {i(12), raw(0x00000000C02CCCCD), raw(0), raw(0x0000000043340000), raw(2)}},
        {"cameraPosition", [] { (void)cameraPosition(-99); }, 0x6B12F11C2A9F0344, {i(-99)}},
        {"setCameraPosition",
         [] { setCameraPosition(8, -1.25f, 2.5f, -1e6f); },
         0xF9EE7D419EE49DE6,
         {i(8), f(-1.25f), f(2.5f), f(-1e6f)}},
        {"applyCameraPose",
         [] { applyCameraPose(-6, 10.5f, -20.25f, 30.75f, -4.5f, 0.5f, -179.5f, 61.0f); },
         0xA47BBFFFB83D4D0A,
         {i(-6), f(10.5f), f(-20.25f), f(30.75f), f(-4.5f), f(0.5f), f(-179.5f), f(61.0f), i(2500), i(0),
          i(0), i(2), i(1), i(0)}},
        {"applyCameraFov", [] { applyCameraFov(33, -2.7f); }, 0x27666E5988D9D429, {i(33), f(-2.7f)}},
        {"lockCameraOnEntity",
         [] { lockCameraOnEntity(-14, 123456); },
         0xFC2867E6074D3A61,
         {i(-14), i(123456), f(0.0f), f(0.0f), f(0.0f), i(1)}},
        {"releaseCameraLock", [] { releaseCameraLock(-15); }, 0xCA1B30A3357C71F1, {i(-15)}},

        // The game's own camera.
        {"gameCameraPosition", [] { (void)gameCameraPosition(); }, 0x595320200B98596E, {}},
        {"gameCameraRotation", [] { (void)gameCameraRotation(2); }, 0x0252D2B5582957A6, {i(2)}},
        {"alignGameCameraHeading",
         [] { alignGameCameraHeading(-37.5f, 1.0f); },
         0x5D1EB123EAC5D071,
         {f(-37.5f), raw(0x3F800000)}},
        {"alignGameCameraPitch",
         [] { alignGameCameraPitch(22.25f, 1.0f); },
         0xFB760AF4F537B8BF,
         {f(22.25f), f(1.0f)}},
        {"orientationSyncCallA", [] { orientationSyncCallA(0); }, 0x421192A2DA48FD01, {i(0)}},
        {"orientationSyncCallB", [] { orientationSyncCallB(0); }, 0xF86B6F93727C59C9, {i(0)}},
        {"orientationSyncCallC", [] { orientationSyncCallC(0); }, 0x29E74F819150CC32, {i(0)}},
        {"applyOrbitDistance",
         [] { applyOrbitDistance(1.0f, 5.5f); },
         0x2126C740A4AC370B,
         {f(1.0f), f(5.5f)}},

        // The player character and other entities.
        {"playerCharacter", [] { (void)playerCharacter(); }, 0x096275889B8E0EE0, {}},
        {"localPlayer", [] { (void)localPlayer(); }, 0x217E9DC48139933D, {}},
        {"queryTargetEntity",
         [] { (void)queryTargetEntity(-2); },
         0x3EE1F7A8C32F24E1,
         {i(-2), targetAddress, i(1), i(1)}},
        {"entityPosition",
         [] { (void)entityPosition(4242, 1, 0); },
         0xA86D5F069399F44D,
         {i(4242), i(1), i(0)}},
        {"entityRotation", [] { (void)entityRotation(-4243, 2); }, 0xE09CAF86C32CB48F, {i(-4243), i(2)}},
        {"entityHeading", [] { (void)entityHeading(4244); }, 0xC230DD956E2F5507, {i(4244)}},
        {"entityMotion", [] { (void)entityMotion(-4245, 1); }, 0xF2DB09816A419DC5, {i(-4245), i(1)}},
        {"isCarriedA", [] { (void)isCarriedA(4246, 0); }, 0x997ABD671D25CA0B, {i(4246), i(0)}},
        {"carrierA", [] { (void)carrierA(-4247, 0); }, 0x9A9112A0FE9A4713, {i(-4247), i(0)}},
        {"isCarriedB", [] { (void)isCarriedB(4248); }, 0x460BC76A0E10655E, {i(4248)}},
        {"carrierB", [] { (void)carrierB(-4249); }, 0xE7E11B8DCBED1058, {i(-4249)}},
        {"carrierSlopeExclusionTest",
         [] { (void)carrierSlopeExclusionTest(4250); },
         0xCEDABC5900A0BF97,
         {i(4250)}},
        {"slopeExclusionTest", [] { (void)slopeExclusionTest(-4251); }, 0x47E4E977581C5B55, {i(-4251)}},
        {"entitySlopeAngle", [] { (void)entitySlopeAngle(4252); }, 0xEF355ABEFF7F5005, {i(4252)}},
        {"slopeFactor", [] { (void)slopeFactor(-12.75f); }, 0x0BADBFA3B172435F, {f(-12.75f)}},
        {"pointDistance",
         [] { (void)pointDistance(1.0f, -2.0f, 3.5f, -4.25f, 5.0f, -6.125f); },
         0x0BE7F4E3CDBAFB28,
         {f(1.0f), f(-2.0f), f(3.5f), f(-4.25f), f(5.0f), f(-6.125f), i(1)}},

        // Aiming, scope and weapons.
        {"aimViewActive", [] { (void)aimViewActive(); }, 0x698F456FB909E077, {}},
        {"scopeViewActive", [] { (void)scopeViewActive(); }, 0xF63134C54B6EC212, {}},
        {"heldWeapon", [] { (void)heldWeapon(-501); }, 0x8425C5F057012DAB, {i(-501)}},
        {"weaponSelectsShortFov1", [] { (void)weaponSelectsShortFov1(502); }, 0xC212F1D05A8232BB, {i(502)}},
        {"weaponSelectsShortFov2", [] { (void)weaponSelectsShortFov2(-503); }, 0xC75386174ECE95D5, {i(-503)}},
        {"weaponSelectsShortFov3", [] { (void)weaponSelectsShortFov3(504); }, 0xDDC64F5E31EEDAB6, {i(504)}},
        {"weaponSelectsLongFov1", [] { (void)weaponSelectsLongFov1(-505); }, 0xDDB2578E95EF7138, {i(-505)}},
        {"weaponSelectsLongFov2", [] { (void)weaponSelectsLongFov2(506); }, 0x6AD66548840472E5, {i(506)}},
        {"weaponSelectsLongFov3", [] { (void)weaponSelectsLongFov3(-507); }, 0x0A82317B7EBFC420, {i(-507)}},

        // Input: 0, then an input identifier, never sign-extended.
        {"inputAxisValue",
         [] { (void)inputAxisValue(0, 0xA987235F); },
         0x11E65974A982637C,
         {raw(0), raw(0x00000000A987235F)}},
        {"inputHeld", [] { (void)inputHeld(0, 0x9959A6F0); }, 0xF3A21BCD95725A4A, {i(0), u(0x9959A6F0)}},
        {"inputReleased",
         [] { (void)inputReleased(0, 0xF8982F00); },
         0x50F940259D3841E6,
         {i(0), u(0xF8982F00)}},
        {"inputTriggered",
         [] { (void)inputTriggered(0, 0x7F8D09B8); },
         0x580417101DDB492F,
         {i(0), u(0x7F8D09B8)}},

        // Idle timer and the per-frame calls.
        {"idleTimer", [] { (void)idleTimer(); }, 0x83666F9FB8FEBD4B, {}},
        {"setIdleTimer", [] { setIdleTimer(-1); }, 0xC1B1E9A034A63A62, {raw(0x00000000FFFFFFFF)}},
        {"suppressionSubject", [] { (void)suppressionSubject(); }, 0x03A8931ECC8015D6, {}},
        {"suppressForSubject", [] { suppressForSubject(-77, 1); }, 0xB78CC4B4706614B0, {i(-77), i(1)}},
        {"suppressionCallA", [] { suppressionCallA(1); }, 0xE0DE43D290FB65F9, {i(1)}},
        {"suppressionCallB", [] { suppressionCallB(0); }, 0x570E35F5C4A44838, {i(0)}},
    };
    return table;
}

void expectSlot(const Slot& expected, uint64_t actual, const std::string& where) {
    switch (expected.kind) {
    case Slot::value:
        EXPECT_EQ(actual, expected.bits) << where;
        break;
    case Slot::typeString: {
        static const char type[] = "DEFAULT_SCRIPTED_CAMERA";
        const auto bytes = bytesAt(actual, sizeof type);
        ASSERT_TRUE(bytes.has_value()) << where << ": not a readable address: 0x" << std::hex << actual;
        EXPECT_EQ(*bytes, std::string(type, sizeof type)) << where;
        break;
    }
    case Slot::targetAddress:
        EXPECT_EQ(actual, reinterpret_cast<uintptr_t>(&cameraRig.targetEntity)) << where;
        break;
    }
}

TEST(NativeWrappers, EachWrapperOpensItsHashAndPushesItsSlots) {
    std::set<uint64_t> hashes;
    std::set<std::string> names;
    for (const Row& row : rows()) {
        hashes.insert(row.hash);
        names.insert(row.wrapper);
        standin::reset();
        row.call();
        const auto& calls = standin::calls();
        ASSERT_EQ(calls.size(), 1u) << row.wrapper;
        EXPECT_EQ(standin::protocolErrors(), 0u) << row.wrapper;
        const standin::NativeCall& call = calls[0];
        EXPECT_EQ(call.hash, row.hash)
            << row.wrapper << std::hex << " opened 0x" << call.hash << ", want 0x" << row.hash;
        ASSERT_EQ(call.slotCount, row.slots.size()) << row.wrapper;
        for (size_t k = 0; k < row.slots.size(); ++k) {
            expectSlot(row.slots[k], call.slots[k], std::string(row.wrapper) + " slot " + std::to_string(k));
        }
    }
    EXPECT_EQ(rows().size(), 55u);
    EXPECT_EQ(names.size(), 55u);
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
