// The conversion table of tests/support/number_text_cases.h through the real Vorthmere.asi under
// Wine: for each row a Vorthmere.ini is written, the host starts the script entry again (as it
// does when a save is loaded), and what the DLL did shows the value it read. A real row is read as
// default_fov, which the cameras are created with at start; an integer row as auto_center_time,
// which the auto-centre hands the game plus one (the game's idle counter answers the largest
// value, so only a threshold of 2147483647 keeps the centring from running).
//
// Usage: vorthmere_dll_number_table <path of Vorthmere.asi>
#include "native_catalogue.h"
#include "number_text_cases.h"
#include "standin_control.h"

#include <windows.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {
using catalogue::hashOf;
using namespace numbercases;

int failures = 0, checked = 0;
constexpr uint32_t ctrl = 17, keyG = 71;

// Only texts that come through inih unchanged can be written as a value: no line break, no white
// space at either end (inih strips it), no " ;" (an inline comment).
bool survivesInih(const char* text) {
    const size_t n = std::strlen(text);
    if (n > 0 && (std::isspace(static_cast<unsigned char>(text[0])) ||
                  std::isspace(static_cast<unsigned char>(text[n - 1]))))
        return false;
    for (size_t k = 0; k < n; ++k) {
        if (text[k] == '\n' || text[k] == '\r') return false;
        if (text[k] == ';' && k > 0 && std::isspace(static_cast<unsigned char>(text[k - 1]))) return false;
    }
    return true;
}

// Writes the file, restarts the script and runs its first pass: the camera comes on at start.
uint32_t startWith(const std::string& line) {
    FILE* ini = std::fopen("Vorthmere.ini", "wb");
    if (!ini) return 0;
    std::fprintf(ini, "[Config]\nenable_on_default=1\n%s\n", line.c_str());
    std::fclose(ini);
    const uint32_t from = standinCallCount();
    standinStartScript();
    standinRunPass();
    return from;
}

// Ctrl+G, so the next start finds the camera off.
void switchOff() {
    standinSendKey(ctrl, 0);
    standinSendKey(keyG, 0);
    standinRunPass();
    standinSendKey(keyG, 1);
    standinSendKey(ctrl, 1);
}

// The first argument slot of the first call of `hash` from `from` on; false when there is none.
bool firstSlot(uint32_t from, uint64_t hash, uint32_t slot, uint64_t& value) {
    for (uint32_t k = from; k < standinCallCount(); ++k) {
        if (standinCallHash(k) != hash) continue;
        value = standinCallSlot(k, slot);
        return true;
    }
    return false;
}

void report(bool ok, const char* key, const char* text, const std::string& got) {
    ++checked;
    if (ok) return;
    ++failures;
    std::printf("FAIL %s = \"%s\": the DLL read %s\n", key, text, got.c_str());
}

void checkReal(const RealCase& c) {
    const uint32_t from = startWith(std::string("default_fov=") + c.text);
    uint64_t slot = 0;
    const bool created = firstSlot(from, hashOf("createCameraWithPose"), 7, slot);
    const float read = std::bit_cast<float>(static_cast<uint32_t>(slot));
    const double expected = c.kind == noNumber ? 52.282005 : std::bit_cast<double>(c.bits);
    const bool same = c.kind == notANumber ? std::isnan(read) && std::signbit(read) == std::signbit(expected)
                                           : std::bit_cast<uint32_t>(read) ==
                                                 std::bit_cast<uint32_t>(static_cast<float>(expected));
    report(created && same, "default_fov", c.text, std::to_string(read));
    switchOff();
}

void checkInteger(const IntegerCase& c) {
    const uint32_t from = startWith(std::string("auto_center_time=") + c.text);
    uint64_t slot = 0;
    const bool centred = firstSlot(from, hashOf("setIdleTimer"), 0, slot);
    // 32-bit wrap: the value handed over is the threshold plus one.
    const int32_t read = centred ? static_cast<int32_t>(static_cast<uint32_t>(slot) - 1u)
                                 : std::numeric_limits<int32_t>::max();
    report(read == c.value.value_or(0), "auto_center_time", c.text, std::to_string(read));
    switchOff();
}

// The game: an idle counter at its largest, the character carried in state A and moving.
void programGame() {
    standinAnswerCounting(hashOf("createCameraWithPose"), 101);
    standinAnswerInt(hashOf("idleTimer"), std::numeric_limits<int32_t>::max());
    standinAnswerInt(hashOf("isCarriedA"), 1);
    standinAnswerVector(hashOf("entityMotion"), 0.0f, 1.0f, 0.0f);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Vorthmere.asi>\n", argv[0]);
        return 2;
    }
    programGame();
    if (!LoadLibraryA(argv[1])) {
        std::printf("FAIL cannot load %s\n", argv[1]);
        return 1;
    }
    for (const RealCase& c : realCases)
        if (survivesInih(c.text)) checkReal(c);
    for (const IntegerCase& c : integerCases)
        if (survivesInih(c.text)) checkInteger(c);
    if (standinProtocolErrors() != 0) ++failures;
    std::printf("%s: %d of %d rows read by the DLL as on glibc\n", failures ? "FAILED" : "PASSED",
                checked - failures, checked);
    std::fflush(stdout);
    // The parked script threads still reference the stand-in host: skip static destruction.
    ExitProcess(failures ? 1 : 0);
}
