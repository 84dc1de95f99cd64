// The frame update allocates nothing: it runs once per game frame for the life of the process.
// Global operator new is replaced in this program to count allocations, but only while a test
// switches counting on, so the other tests of the program are not affected.
#include "camera/look_frame.h"
#include "camera_test_fixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<size_t> allocations{0};

void* allocate(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t align) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
    const std::size_t a = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new(std::size_t size, std::align_val_t align) { return allocateAligned(size, align); }
void* operator new[](std::size_t size, std::align_val_t align) { return allocateAligned(size, align); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace {
using namespace camtrace;

// Counts the allocations made while `work` runs.
template <typename Work> size_t allocationsDuring(Work work) {
    allocations.store(0);
    counting.store(true);
    work();
    counting.store(false);
    return allocations.load();
}

TEST(CameraAllocation, CountingSeesAnAllocation) {
    const size_t counted = allocationsDuring([] {
        void* volatile p = ::operator new(16); // an explicit call, which the compiler may not elide
        ::operator delete(p);
    });
    EXPECT_EQ(counted, 1u);
}

TEST(CameraAllocation, AThousandActiveFramesAllocateNothing) {
    // A busy game: look input on even frames, a latched auto-centre on odd ones, look-behind
    // held and ended, a target held and released, the distance stepped, carriers on.
    Game g = camtest::baseGame();
    g.idle = 5000;
    g.carriedA = 1;
    g.carriedB = 1;
    g.motionY = 1.0f;
    g.lookBehindHeld = 1;
    g.lookBehindReleased = 1;
    g.targetResults = {1};
    g.targetReleased = 1;
    g.distanceTriggered = 1;
    g.shortClass[1] = 1;
    camtest::start(g);
    static int frame = 0;
    standin::setResponder(catalogue::hashOf("inputAxisValue"), [](const standin::NativeCall&, uint64_t* r) {
        standin::writeFloat(r, frame % 2 == 0 ? 0.5f : 0.0f);
    });
    standin::setResponder(catalogue::hashOf("aimViewActive"), [](const standin::NativeCall&, uint64_t* r) {
        standin::writeInt(r, frame % 7 == 3 ? 1 : 0);
    });
    standin::setRecording(false);
    updateLookFrame(); // a first frame outside the count, as the game's first frame would be
    const size_t counted = allocationsDuring([] {
        for (frame = 0; frame < 1000; ++frame) updateLookFrame();
    });
    standin::setRecording(true);
    EXPECT_EQ(counted, 0u);
    EXPECT_EQ(standin::protocolErrors(), 0u);
    EXPECT_NE(cameraRig.orbitDistance, 0.0f);
}
} // namespace
