// The plug-in's script beside a keyboard thread that delivers key messages as fast as it can,
// for every code including 255 and above: the same scenarios for libvorthmere.so (the Linux
// test, under ThreadSanitizer in the tsan preset) and for Vorthmere.asi under Wine, whose
// keyboard thread is a real Windows thread. No test framework here, so both programs share it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace keywriter {

constexpr int passes = 3000;

struct PassCounts {
    int onPasses = 0;  // passes that ended with the 0 ms wait of a frame
    int offPasses = 0; // passes that ended with the 5 ms wait
    int creations = 0;
    int disposals = 0;
    uint64_t messagesWhilePassing = 0;
    bool scriptReturned = false;
    uint64_t protocolErrors = 0;
};

constexpr int anyCount = -1;

// One situation and what must come of it, whatever the interleaving of the two threads.
struct WriterScenario {
    const char* name;
    const char* settings;  // Vorthmere.ini written before the start, or nullptr for none
    uint32_t onlyReleased; // the one code the writer only ever releases
    int onPasses;          // anyCount: any number
    int creations;
    int disposals;
};

std::span<const WriterScenario> writerScenarios();
const WriterScenario* findScenario(const std::string& name);

// Writes the scenario's settings file into the working folder, or removes any there.
void prepareSettings(const WriterScenario& scenario);
// With the plug-in attached (its script registered, not yet started): starts the script and runs
// `passes` passes beside the writer thread, which alternates rounds of key-down and release
// messages over all codes; the scenario's one code only gets releases.
PassCounts runBesideKeyWriter(const WriterScenario& scenario);
// The first expectation the counts break, or "" when all hold. Every scenario also expects an
// even number of creations with zero or one pair alive, messages during the passes, a script
// that never returned and no protocol error.
std::string brokenExpectation(const WriterScenario& scenario, const PassCounts& counts);
std::string describeCounts(const PassCounts& counts);

} // namespace keywriter
