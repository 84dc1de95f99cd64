// What the plug-in costs the game. One active frame (updateLookFrame) is measured against a
// floor: the same native calls, with the same slots, replayed straight from a captured list with
// no logic around them, through the same stand-in host with its cheapest responder. Their ratio
// is the plug-in's own overhead per frame. Also: the keyboard handler and isKeyHeld per call,
// loadSettings for the documented default file, and heap allocations per frame, counted by a
// replaced operator new. The program reports; it fails nothing.
#include "camera/camera_rig.h"
#include "camera/camera_setup.h"
#include "camera/look_frame.h"
#include "input/key_state.h"
#include "native_catalogue.h"
#include "settings/settings.h"
#include "standin_host.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

// Every allocation of the program, so a benchmark can tell how many its loop made.
namespace {
std::atomic<uint64_t> heapAllocations{0};

void* countedAllocation(size_t size) {
    heapAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
} // namespace

void* operator new(size_t size) { return countedAllocation(size); }
void* operator new[](size_t size) { return countedAllocation(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }

namespace {

// The calls of one frame as the plug-in made them, for the floor to replay.
std::vector<standin::NativeCall> idleFrameCalls, lookFrameCalls;

// The cheapest game: every result zero, nothing recorded, nothing observed.
void answerZeros() {
    standin::reset();
    standin::setRecording(false);
    standin::setFallbackResponder([](const standin::NativeCall&, uint64_t*) {});
}

// The same, but the look axes are deflected, so every frame steers and follows twice.
void answerLookInput() {
    answerZeros();
    standin::setResponder(catalogue::hashOf("inputAxisValue"), standin::answerFloat(0.25f));
}

std::vector<standin::NativeCall> captureFrame() {
    standin::setRecording(true);
    standin::clearCalls();
    updateLookFrame();
    std::vector<standin::NativeCall> frame = standin::calls();
    standin::setRecording(false);
    standin::clearCalls();
    return frame;
}

void replay(const std::vector<standin::NativeCall>& frame) {
    for (const standin::NativeCall& call : frame) {
        nativeInit(call.hash);
        for (uint32_t i = 0; i < call.slotCount; ++i) nativePush64(call.slots[i]);
        benchmark::DoNotOptimize(nativeCall());
    }
}

void countAllocations(benchmark::State& state, uint64_t before) {
    state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(heapAllocations.load() - before),
                                                        benchmark::Counter::kAvgIterations);
}

void activeFrame(benchmark::State& state, void (*game)(), const std::vector<standin::NativeCall>& frame) {
    game();
    const uint64_t before = heapAllocations.load();
    for (auto _ : state) updateLookFrame();
    countAllocations(state, before);
    state.counters["calls/frame"] = static_cast<double>(frame.size());
}

void nativeFloor(benchmark::State& state, void (*game)(), const std::vector<standin::NativeCall>& frame) {
    game();
    const uint64_t before = heapAllocations.load();
    for (auto _ : state) replay(frame);
    countAllocations(state, before);
}

void BM_ActiveFrame(benchmark::State& state) { activeFrame(state, answerZeros, idleFrameCalls); }
void BM_NativeFloor(benchmark::State& state) { nativeFloor(state, answerZeros, idleFrameCalls); }
void BM_LookInputFrame(benchmark::State& state) { activeFrame(state, answerLookInput, lookFrameCalls); }
void BM_LookInputFloor(benchmark::State& state) { nativeFloor(state, answerLookInput, lookFrameCalls); }

void BM_KeyMessageHandler(benchmark::State& state) {
    uint32_t code = 0;
    for (auto _ : state) {
        keyMessageHandler(code, 1, 0, 0, 0, 0, static_cast<int32_t>(code & 1));
        code = (code + 7) & 0x1FF; // codes past the table's end too
    }
}

void BM_IsKeyHeld(benchmark::State& state) {
    uint32_t code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(isKeyHeld(code));
        code = (code + 7) & 0x1FF;
    }
}

void BM_LoadSettings(benchmark::State& state) {
    for (auto _ : state) loadSettings();
}

BENCHMARK(BM_ActiveFrame)->Repetitions(3);
BENCHMARK(BM_NativeFloor)->Repetitions(3);
BENCHMARK(BM_LookInputFrame)->Repetitions(3);
BENCHMARK(BM_LookInputFloor)->Repetitions(3);
BENCHMARK(BM_KeyMessageHandler);
BENCHMARK(BM_IsKeyHeld);
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

// The documented default file in the working folder, or the twelve keys at their defaults.
void placeDefaultSettingsFile(const std::filesystem::path& folder) {
    const std::filesystem::path target = folder / settingsFileName;
    std::error_code error;
    if (std::filesystem::copy_file(VORTHMERE_DEFAULT_SETTINGS, target, error)) return;
    std::ofstream(target) << "[Config]\nenable_key1=17\nenable_key2=90\ndisable_key1=17\ndisable_key2=71\n"
                             "enable_on_default=0\nsensitivity_x=7.2\nsensitivity_y=3.6\ndisable_in_scope=0\n"
                             "auto_center_time=0\ndefault_fov=52.282005\nshort_fov=45.0\nlong_fov=35.0\n";
}

// Loads the settings, switches the camera on against the zero game and captures both frames.
void prepare() {
    char folder[] = "/tmp/vorthmere-bench-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) {
        std::perror("vorthmere_bench: no working folder");
        std::exit(1);
    }
    placeDefaultSettingsFile(folder);
    standin::setTickCount(100000);
    answerZeros();
    loadSettings();
    activateCamera();
    idleFrameCalls = captureFrame();
    answerLookInput();
    lookFrameCalls = captureFrame();
}

// Keeps the fastest repetition of each benchmark, per iteration, in nanoseconds, while the
// console shows everything as usual.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            const double ns = run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations);
            const std::string name = run.run_name.function_name;
            if (!nanoseconds.count(name) || ns < nanoseconds[name]) nanoseconds[name] = ns;
            const auto allocs = run.counters.find("allocs/frame");
            if (allocs != run.counters.end()) allocations[name] = allocs->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds, allocations;
};

double ratio(SummaryReporter& r, const char* frame, const char* floor) {
    return r.nanoseconds[floor] > 0 ? r.nanoseconds[frame] / r.nanoseconds[floor] : 0.0;
}

void printSummary(SummaryReporter& r) {
    std::printf(
        "\nframe cost: active frame %.0f ns against a floor of %.0f ns for the same %zu native calls: "
        "ratio %.3f (goal below 1.15); with look input %.0f ns against %.0f ns for %zu calls: ratio %.3f\n",
        r.nanoseconds["BM_ActiveFrame"], r.nanoseconds["BM_NativeFloor"], idleFrameCalls.size(),
        ratio(r, "BM_ActiveFrame", "BM_NativeFloor"), r.nanoseconds["BM_LookInputFrame"],
        r.nanoseconds["BM_LookInputFloor"], lookFrameCalls.size(),
        ratio(r, "BM_LookInputFrame", "BM_LookInputFloor"));
    std::printf("heap allocations per frame: %g (goal 0), with look input %g; keyboard handler %.1f ns and "
                "isKeyHeld %.1f ns per call; loadSettings of the default file %.1f us\n",
                r.allocations["BM_ActiveFrame"], r.allocations["BM_LookInputFrame"],
                r.nanoseconds["BM_KeyMessageHandler"], r.nanoseconds["BM_IsKeyHeld"],
                r.nanoseconds["BM_LoadSettings"] / 1000.0);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    prepare();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
