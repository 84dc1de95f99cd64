// The game natives the plug-in may call, for the tests and tools: each native's name, its hash,
// the kind of each argument slot and the kind of its result, in the game's groups. Typed apart
// from the plug-in's wrappers (src/host/natives.h), which the wrapper test checks against it;
// everything else names natives by name, so a misspelt name fails to compile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace catalogue {

// Argument kinds, one letter per slot: i int, u input identifier, f float, s string, p out-int.
// Result kinds: v none, i int, f float, V Vector3.
struct Native {
    std::string_view name;
    uint64_t hash;
    std::string_view arguments;
    char result;
};

inline constexpr Native natives[] = {
    // Scripted cameras.
    {"createCameraWithPose", 0x40C23491CE83708E, "sfffffffii", 'i'},
    {"cameraActiveSwitch", 0x87295BCA613800C8, "ii", 'v'},
    {"useScriptedView", 0x33281167E4942E4F, "iiiiii", 'v'},
    {"disposeCamera", 0x4E67E0B6D7FD5145, "ii", 'v'},
    {"cameraRotation", 0x9BF96B57254E7889, "ii", 'V'},
    {"orientCamera", 0x63DFA6810AD78719, "ifffi", 'v'},
    {"cameraPosition", 0x6B12F11C2A9F0344, "i", 'V'},
    {"setCameraPosition", 0xF9EE7D419EE49DE6, "ifff", 'v'},
    {"applyCameraPose", 0xA47BBFFFB83D4D0A, "ifffffffiiiiii", 'v'},
    {"applyCameraFov", 0x27666E5988D9D429, "if", 'v'},
    {"lockCameraOnEntity", 0xFC2867E6074D3A61, "iifffi", 'v'},
    {"releaseCameraLock", 0xCA1B30A3357C71F1, "i", 'v'},
    // The game's own camera.
    {"gameCameraPosition", 0x595320200B98596E, "", 'V'},
    {"gameCameraRotation", 0x0252D2B5582957A6, "i", 'V'},
    {"alignGameCameraHeading", 0x5D1EB123EAC5D071, "ff", 'v'},
    {"alignGameCameraPitch", 0xFB760AF4F537B8BF, "ff", 'v'},
    {"orientationSyncCallA", 0x421192A2DA48FD01, "i", 'v'},
    {"orientationSyncCallB", 0xF86B6F93727C59C9, "i", 'v'},
    {"orientationSyncCallC", 0x29E74F819150CC32, "i", 'v'},
    {"applyOrbitDistance", 0x2126C740A4AC370B, "ff", 'v'},
    // The player character and other entities.
    {"playerCharacter", 0x096275889B8E0EE0, "", 'i'},
    {"localPlayer", 0x217E9DC48139933D, "", 'i'},
    {"queryTargetEntity", 0x3EE1F7A8C32F24E1, "ipii", 'i'},
    {"entityPosition", 0xA86D5F069399F44D, "iii", 'V'},
    {"entityRotation", 0xE09CAF86C32CB48F, "ii", 'V'},
    {"entityHeading", 0xC230DD956E2F5507, "i", 'f'},
    {"entityMotion", 0xF2DB09816A419DC5, "ii", 'V'},
    {"isCarriedA", 0x997ABD671D25CA0B, "ii", 'i'},
    {"carrierA", 0x9A9112A0FE9A4713, "ii", 'i'},
    {"isCarriedB", 0x460BC76A0E10655E, "i", 'i'},
    {"carrierB", 0xE7E11B8DCBED1058, "i", 'i'},
    {"carrierSlopeExclusionTest", 0xCEDABC5900A0BF97, "i", 'i'},
    {"slopeExclusionTest", 0x47E4E977581C5B55, "i", 'i'},
    {"entitySlopeAngle", 0xEF355ABEFF7F5005, "i", 'f'},
    {"slopeFactor", 0x0BADBFA3B172435F, "f", 'f'},
    {"pointDistance", 0x0BE7F4E3CDBAFB28, "ffffffi", 'f'},
    // Aiming, scope and weapons.
    {"aimViewActive", 0x698F456FB909E077, "", 'i'},
    {"scopeViewActive", 0xF63134C54B6EC212, "", 'i'},
    {"heldWeapon", 0x8425C5F057012DAB, "i", 'i'},
    {"weaponSelectsShortFov1", 0xC212F1D05A8232BB, "i", 'i'},
    {"weaponSelectsShortFov2", 0xC75386174ECE95D5, "i", 'i'},
    {"weaponSelectsShortFov3", 0xDDC64F5E31EEDAB6, "i", 'i'},
    {"weaponSelectsLongFov1", 0xDDB2578E95EF7138, "i", 'i'},
    {"weaponSelectsLongFov2", 0x6AD66548840472E5, "i", 'i'},
    {"weaponSelectsLongFov3", 0x0A82317B7EBFC420, "i", 'i'},
    // Input.
    {"inputAxisValue", 0x11E65974A982637C, "iu", 'f'},
    {"inputHeld", 0xF3A21BCD95725A4A, "iu", 'i'},
    {"inputReleased", 0x50F940259D3841E6, "iu", 'i'},
    {"inputTriggered", 0x580417101DDB492F, "iu", 'i'},
    // Idle timer and the per-frame calls.
    {"idleTimer", 0x83666F9FB8FEBD4B, "", 'i'},
    {"setIdleTimer", 0xC1B1E9A034A63A62, "i", 'v'},
    {"suppressionSubject", 0x03A8931ECC8015D6, "", 'i'},
    {"suppressForSubject", 0xB78CC4B4706614B0, "ii", 'v'},
    {"suppressionCallA", 0xE0DE43D290FB65F9, "i", 'v'},
    {"suppressionCallB", 0x570E35F5C4A44838, "i", 'v'},
};
inline constexpr size_t nativeCount = sizeof natives / sizeof natives[0];

// The row of the native of that name; nativeCount when there is none.
constexpr size_t rowOf(std::string_view name) {
    size_t row = 0;
    while (row < nativeCount && natives[row].name != name) ++row;
    return row;
}

// Never defined: reached only while compiling a name that is not in the table, which it makes
// a build error.
void unknownNativeName();

// The hash of the native of that name, worked out while compiling.
consteval uint64_t hashOf(std::string_view name) {
    const size_t row = rowOf(name);
    if (row == nativeCount) unknownNativeName();
    return natives[row].hash;
}

// The native of that hash or name; nullptr for one the plug-in has no business calling.
inline const Native* findNative(uint64_t hash) {
    for (const Native& native : natives)
        if (native.hash == hash) return &native;
    return nullptr;
}
inline const Native* findNative(std::string_view name) {
    const size_t row = rowOf(name);
    return row < nativeCount ? &natives[row] : nullptr;
}

// A native's name as a table key; a name that is not in the catalogue fails to compile.
struct NativeName {
    std::string_view text;
    consteval NativeName(const char* name) : text(name) { (void)hashOf(text); }
};

namespace check {
// Every name and every hash once, every kind letter known.
consteval bool eachOnce() {
    for (size_t a = 0; a < nativeCount; ++a)
        for (size_t b = a + 1; b < nativeCount; ++b)
            if (natives[a].name == natives[b].name || natives[a].hash == natives[b].hash) return false;
    return true;
}
consteval bool kindsKnown() {
    for (const Native& native : natives) {
        if (native.arguments.find_first_not_of("iufsp") != std::string_view::npos) return false;
        if (std::string_view("vifV").find(native.result) == std::string_view::npos) return false;
    }
    return true;
}
} // namespace check
static_assert(nativeCount == 55, "the plug-in calls 55 natives");
static_assert(check::eachOnce(), "a name or hash appears twice");
static_assert(check::kindsKnown(), "an unknown argument or result kind");

} // namespace catalogue
