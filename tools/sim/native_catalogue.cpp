#include "native_catalogue.h"

namespace sim {
namespace {
const NativeEntry entries[] = {
    // Scripted cameras.
    {0x40C23491CE83708E, "createCameraWithPose", "sfffffffii", 'i'},
    {0x87295BCA613800C8, "cameraActiveSwitch", "ii", 'v'},
    {0x33281167E4942E4F, "useScriptedView", "iiiiii", 'v'},
    {0x4E67E0B6D7FD5145, "disposeCamera", "ii", 'v'},
    {0x9BF96B57254E7889, "cameraRotation", "ii", 'V'},
    {0x63DFA6810AD78719, "orientCamera", "ifffi", 'v'},
    {0x6B12F11C2A9F0344, "cameraPosition", "i", 'V'},
    {0xF9EE7D419EE49DE6, "setCameraPosition", "ifff", 'v'},
    {0xA47BBFFFB83D4D0A, "applyCameraPose", "ifffffffiiiiii", 'v'},
    {0x27666E5988D9D429, "applyCameraFov", "if", 'v'},
    {0xFC2867E6074D3A61, "lockCameraOnEntity", "iifffi", 'v'},
    {0xCA1B30A3357C71F1, "releaseCameraLock", "i", 'v'},
    // The game's own camera.
    {0x595320200B98596E, "gameCameraPosition", "", 'V'},
    {0x0252D2B5582957A6, "gameCameraRotation", "i", 'V'},
    {0x5D1EB123EAC5D071, "alignGameCameraHeading", "ff", 'v'},
    {0xFB760AF4F537B8BF, "alignGameCameraPitch", "ff", 'v'},
    {0x421192A2DA48FD01, "orientationSyncCallA", "i", 'v'},
    {0xF86B6F93727C59C9, "orientationSyncCallB", "i", 'v'},
    {0x29E74F819150CC32, "orientationSyncCallC", "i", 'v'},
    {0x2126C740A4AC370B, "applyOrbitDistance", "ff", 'v'},
    // The player character and other entities.
    {0x096275889B8E0EE0, "playerCharacter", "", 'i'},
    {0x217E9DC48139933D, "localPlayer", "", 'i'},
    {0x3EE1F7A8C32F24E1, "queryTargetEntity", "ipii", 'i'},
    {0xA86D5F069399F44D, "entityPosition", "iii", 'V'},
    {0xE09CAF86C32CB48F, "entityRotation", "ii", 'V'},
    {0xC230DD956E2F5507, "entityHeading", "i", 'f'},
    {0xF2DB09816A419DC5, "entityMotion", "ii", 'V'},
    {0x997ABD671D25CA0B, "isCarriedA", "ii", 'i'},
    {0x9A9112A0FE9A4713, "carrierA", "ii", 'i'},
    {0x460BC76A0E10655E, "isCarriedB", "i", 'i'},
    {0xE7E11B8DCBED1058, "carrierB", "i", 'i'},
    {0xCEDABC5900A0BF97, "carrierSlopeExclusionTest", "i", 'i'},
    {0x47E4E977581C5B55, "slopeExclusionTest", "i", 'i'},
    {0xEF355ABEFF7F5005, "entitySlopeAngle", "i", 'f'},
    {0x0BADBFA3B172435F, "slopeFactor", "f", 'f'},
    {0x0BE7F4E3CDBAFB28, "pointDistance", "ffffffi", 'f'},
    // Aiming, scope and weapons.
    {0x698F456FB909E077, "aimViewActive", "", 'i'},
    {0xF63134C54B6EC212, "scopeViewActive", "", 'i'},
    {0x8425C5F057012DAB, "heldWeapon", "i", 'i'},
    {0xC212F1D05A8232BB, "weaponSelectsShortFov1", "i", 'i'},
    {0xC75386174ECE95D5, "weaponSelectsShortFov2", "i", 'i'},
    {0xDDC64F5E31EEDAB6, "weaponSelectsShortFov3", "i", 'i'},
    {0xDDB2578E95EF7138, "weaponSelectsLongFov1", "i", 'i'},
    {0x6AD66548840472E5, "weaponSelectsLongFov2", "i", 'i'},
    {0x0A82317B7EBFC420, "weaponSelectsLongFov3", "i", 'i'},
    // Input.
    {0x11E65974A982637C, "inputAxisValue", "iu", 'f'},
    {0xF3A21BCD95725A4A, "inputHeld", "iu", 'i'},
    {0x50F940259D3841E6, "inputReleased", "iu", 'i'},
    {0x580417101DDB492F, "inputTriggered", "iu", 'i'},
    // Idle timer and the per-frame calls.
    {0x83666F9FB8FEBD4B, "idleTimer", "", 'i'},
    {0xC1B1E9A034A63A62, "setIdleTimer", "i", 'v'},
    {0x03A8931ECC8015D6, "suppressionSubject", "", 'i'},
    {0xB78CC4B4706614B0, "suppressForSubject", "ii", 'v'},
    {0xE0DE43D290FB65F9, "suppressionCallA", "i", 'v'},
    {0x570E35F5C4A44838, "suppressionCallB", "i", 'v'},
};
constexpr int entryCount = sizeof(entries) / sizeof(entries[0]);
static_assert(entryCount == 55, "the plug-in calls 55 natives");
} // namespace

const NativeEntry* findNative(uint64_t hash) {
    for (const NativeEntry& entry : entries) {
        if (entry.hash == hash) return &entry;
    }
    return nullptr;
}

const NativeEntry* nativeEntries() { return entries; }
int nativeEntryCount() { return entryCount; }

} // namespace sim
