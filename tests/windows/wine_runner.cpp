// End-to-end run of the real Vorthmere.asi under Wine. The stand-in ScriptHookRDR2.dll is
// already loaded in this process (the runner imports its control interface), so loading the
// plug-in with LoadLibrary binds its eight decorated imports to it, exactly as in the game.
// Then: off passes, Ctrl+Z switches on, a few frames, Ctrl+G tears down, FreeLibrary detaches.
//
// Usage: vorthmere_wine_runner <path of Vorthmere.asi> <session|settings>
//   session:  a plain Vorthmere.ini with one field of view, which the switch-on must use.
//   settings: a Vorthmere.ini that only a plug-in reading it exactly as documented gets right: a
//             hexadecimal float, a hexadecimal key code, and a comment longer than 199 characters
//             whose cut-off tail reads "enable_on_default=1" (it must not switch the camera on).
#include "native_catalogue.h"
#include "slot_codes.h"
#include "standin_control.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
int failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

struct Call {
    uint64_t hash;
    std::vector<uint64_t> slots;
};
using Calls = std::vector<Call>;

using slotcode::f;
using slotcode::i;

constexpr uint32_t ctrl = 17, keyZ = 90, keyG = 71;
constexpr int32_t subject = 77;
constexpr int32_t firstCamera = 101;
constexpr float poseX = 10.0f, poseY = -20.5f, poseZ = 3.25f, posePitch = -8.0f, poseRoll = 12.0f,
                poseHeading = 135.0f;
// The type-string slot of a creation call, compared by its text.
constexpr uint64_t cameraTypeSlot = ~uint64_t{0};

Calls suppression() {
    return {{catalogue::hashOf("suppressionSubject"), {}},
            {catalogue::hashOf("suppressForSubject"), {i(subject), i(1)}},
            {catalogue::hashOf("suppressionCallA"), {i(1)}},
            {catalogue::hashOf("suppressionCallB"), {i(0)}}};
}

Calls activation(float fov) {
    const Call creation{catalogue::hashOf("createCameraWithPose"),
                        {cameraTypeSlot, f(poseX), f(poseY), f(poseZ), f(posePitch), f(0.0f), f(poseHeading),
                         f(fov), i(1), i(2)}};
    return {{catalogue::hashOf("gameCameraPosition"), {}},
            {catalogue::hashOf("gameCameraRotation"), {i(2)}},
            creation,
            creation,
            {catalogue::hashOf("cameraActiveSwitch"), {i(firstCamera), i(1)}},
            {catalogue::hashOf("useScriptedView"), {i(1), i(1), i(0), i(1), i(1), i(0)}},
            {catalogue::hashOf("idleTimer"), {}}};
}

Calls teardown() {
    const int32_t primary = firstCamera, secondary = firstCamera + 1;
    return {{catalogue::hashOf("cameraActiveSwitch"), {i(primary), i(0)}},
            {catalogue::hashOf("cameraActiveSwitch"), {i(secondary), i(0)}},
            {catalogue::hashOf("useScriptedView"), {i(0), i(1), i(0), i(1), i(1), i(0)}},
            {catalogue::hashOf("disposeCamera"), {i(primary), i(1)}},
            {catalogue::hashOf("disposeCamera"), {i(secondary), i(1)}}};
}

Calls join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool slotMatches(uint64_t expected, uint64_t actual) {
    if (expected != cameraTypeSlot) return expected == actual;
    const char* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(actual));
    return text && std::strcmp(text, "DEFAULT_SCRIPTED_CAMERA") == 0;
}

// Compares the recorded calls [from, to) with the expected ones; names the first difference.
bool sameCalls(uint32_t from, uint32_t to, const Calls& expected, std::string& why) {
    if (to - from != expected.size()) {
        why = std::to_string(to - from) + " calls, expected " + std::to_string(expected.size());
        return false;
    }
    for (uint32_t k = 0; k < expected.size(); ++k) {
        const Call& e = expected[k];
        const uint64_t hash = standinCallHash(from + k);
        const uint32_t slots = standinCallSlotCount(from + k);
        char text[160];
        if (hash != e.hash || slots != e.slots.size()) {
            std::snprintf(text, sizeof text, "call %u is 0x%016llX with %u slots, expected 0x%016llX with %u",
                          k, static_cast<unsigned long long>(hash), slots,
                          static_cast<unsigned long long>(e.hash), static_cast<unsigned>(e.slots.size()));
            why = text;
            return false;
        }
        for (uint32_t s = 0; s < slots; ++s) {
            const uint64_t actual = standinCallSlot(from + k, s);
            if (slotMatches(e.slots[s], actual)) continue;
            std::snprintf(text, sizeof text, "call %u (0x%016llX) slot %u is 0x%llX, expected 0x%llX", k,
                          static_cast<unsigned long long>(hash), s, static_cast<unsigned long long>(actual),
                          static_cast<unsigned long long>(e.slots[s]));
            why = text;
            return false;
        }
    }
    return true;
}

void checkCalls(uint32_t from, uint32_t to, const Calls& expected, const std::string& what) {
    std::string why;
    const bool same = sameCalls(from, to, expected, why);
    check(same, what + (same ? "" : ": " + why));
}

uint32_t countHash(uint32_t from, uint32_t to, uint64_t hash) {
    uint32_t n = 0;
    for (uint32_t k = from; k < to; ++k) n += standinCallHash(k) == hash;
    return n;
}

// One pass; `from` receives the index of its first call.
uint32_t pass(uint32_t& from) {
    from = standinCallCount();
    return standinRunPass();
}

void programGame() {
    standinAnswerVector(catalogue::hashOf("gameCameraPosition"), poseX, poseY, poseZ);
    standinAnswerVector(catalogue::hashOf("gameCameraRotation"), posePitch, poseRoll, poseHeading);
    standinAnswerCounting(catalogue::hashOf("createCameraWithPose"), firstCamera);
    standinAnswerInt(catalogue::hashOf("suppressionSubject"), subject);
}

// Writes the mode's Vorthmere.ini into the working folder; returns the field of view it sets.
float writeSettings(const std::string& mode) {
    std::string text = "[Config]\ndefault_fov=61.5\n";
    float fov = 61.5f;
    if (mode == "settings") {
        const std::string longComment = ";" + std::string(198, '-');
        text = "[Config]\n" + longComment + "enable_on_default=1\ndefault_fov = 0x1Ap0\nenable_key2 = 0x5A\n";
        fov = 26.0f;
    }
    FILE* ini = std::fopen("Vorthmere.ini", "wb");
    if (!ini) return -1.0f;
    std::fputs(text.c_str(), ini);
    std::fclose(ini);
    std::printf("settings (%s): Vorthmere.ini sets default_fov %g\n", mode.c_str(), static_cast<double>(fov));
    return fov;
}
} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[2] : "";
    if (mode != "session" && mode != "settings") {
        std::fprintf(stderr, "usage: %s <Vorthmere.asi> <session|settings>\n", argv[0]);
        return 2;
    }
    const float fov = writeSettings(mode);
    if (fov < 0.0f) return 2;

    programGame();
    HMODULE plugin = LoadLibraryA(argv[1]);
    check(plugin != nullptr, "LoadLibrary binds the decorated imports and runs DllMain");
    if (!plugin) return 1;
    check(standinRegistrationCount() == 2 && standinRegistrationEvent(0) == 0 &&
              standinRegistrationPointer(0) == static_cast<void*>(plugin) && standinRegistrationEvent(1) == 2,
          "process attach registers the script with the module handle, then the keyboard handler");
    void* keyHandler = standinRegistrationPointer(1);

    standinStartScript();
    uint32_t from = 0;
    for (int k = 0; k < 3; ++k) {
        const uint32_t wait = pass(from);
        checkCalls(from, standinCallCount(), suppression(),
                   "off pass " + std::to_string(k) + " only suppresses");
        check(wait == 5, "off pass " + std::to_string(k) + " waits 5 ms");
    }

    standinSendKey(ctrl, 0);
    standinSendKey(keyZ, 0);
    uint32_t wait = pass(from);
    checkCalls(from, standinCallCount(), join({activation(fov), suppression()}),
               "Ctrl+Z: the off pass creates both cameras and shows the first");
    check(wait == 5, "the switch-on pass still waits 5 ms");
    standinSendKey(keyZ, 1);
    standinSendKey(ctrl, 1);

    for (int k = 0; k < 3; ++k) {
        wait = pass(from);
        const uint32_t to = standinCallCount();
        const std::string name = "frame " + std::to_string(k);
        check(wait == 0, name + " waits 0 ms");
        check(to - from > 6 && countHash(from, to, catalogue::hashOf("disposeCamera")) == 0 &&
                  countHash(from, to, catalogue::hashOf("createCameraWithPose")) == 0,
              name + " steers the cameras without creating or disposing any");
        if (to - from > 5)
            checkCalls(to - 5, to, join({suppression(), {{catalogue::hashOf("scopeViewActive"), {}}}}),
                       name + " ends with suppression and the scope query");
    }

    standinSendKey(ctrl, 0);
    standinSendKey(keyG, 0);
    wait = pass(from);
    const uint32_t to = standinCallCount();
    const Calls ending = join({suppression(), teardown(), suppression()});
    if (to - from >= ending.size())
        checkCalls(to - static_cast<uint32_t>(ending.size()), to, ending,
                   "Ctrl+G: the frame, the teardown of both cameras, then an off pass");
    else
        check(false, "Ctrl+G pass made too few calls");
    check(wait == 5, "after the teardown the off pass waits 5 ms");
    standinSendKey(keyG, 1);
    standinSendKey(ctrl, 1);
    wait = pass(from);
    checkCalls(from, standinCallCount(), suppression(), "the next pass is an off pass again");

    check(standinProtocolErrors() == 0, "every native call was opened, filled and run in order");
    check(standinScriptReturned() == 0, "the script entry never returns");

    // The script thread stays parked in scriptWait; it never runs again after the unload.
    check(FreeLibrary(plugin) != 0, "FreeLibrary unloads the plug-in");
    check(standinRegistrationCount() == 4 && standinRegistrationEvent(2) == 1 &&
              standinRegistrationPointer(2) == static_cast<void*>(plugin) &&
              standinRegistrationEvent(3) == 3 && standinRegistrationPointer(3) == keyHandler,
          "process detach unregisters the script, then the same keyboard handler");

    std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "PASSED", failures);
    std::fflush(stdout);
    // Skip static destruction: the parked script thread still references the stand-in host.
    ExitProcess(failures ? 1 : 0);
}
