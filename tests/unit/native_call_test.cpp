// The call protocol itself: how results are read out of the host's slots, how a Vector3 is
// laid out, and that a call is always opened, filled and run in that order, never nested.
#include "host/native_call.h"
#include "host/natives.h"
#include "standin_host.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstddef>
#include <vector>

namespace {

constexpr uint64_t anyHash = 0x1234567890ABCDEF;

uint64_t low(float v) { return std::bit_cast<uint32_t>(v); }
// Garbage that the host may leave in the upper half of a result slot.
uint64_t withJunk(uint64_t lowHalf, uint32_t junk) { return (uint64_t{junk} << 32) | lowHalf; }

void answerWith(const std::vector<uint64_t>& resultSlots) {
    standin::setResponder(anyHash, [resultSlots](const standin::NativeCall&, uint64_t* result) {
        for (size_t k = 0; k < resultSlots.size(); ++k) result[k] = resultSlots[k];
    });
}

TEST(NativeCall, ResultsAreReadFromTheLowHalfOfTheirSlots) {
    struct Case {
        const char* situation;
        std::vector<uint64_t> resultSlots;
        int32_t asInt;
        float asFloat;
    };
    const Case cases[] = {
        {"negative int, junk above",
         {withJunk(0xFFFFFFF6, 0xDEADBEEF), 0x1111},
         -10,
         std::bit_cast<float>(0xFFFFFFF6u)},
        {"float, junk above and after",
         {withJunk(low(-2.7f), 0x7FF80000), ~0ull, ~0ull},
         std::bit_cast<int32_t>(-2.7f),
         -2.7f},
        {"zero low half, junk above", {withJunk(0, 0xFFFFFFFF), 5}, 0, 0.0f},
    };
    for (const Case& c : cases) {
        standin::reset();
        answerWith(c.resultSlots);
        EXPECT_EQ(invokeNative<int32_t>(anyHash), c.asInt) << c.situation;
        EXPECT_EQ(std::bit_cast<uint32_t>(invokeNative<float>(anyHash)), std::bit_cast<uint32_t>(c.asFloat))
            << c.situation;
    }
}

TEST(NativeCall, Vector3ComponentsComeFromOffsetsZeroEightSixteen) {
    struct Case {
        const char* situation;
        std::vector<uint64_t> resultSlots;
        float x, y, z;
    };
    const Case cases[] = {
        {"clean slots", {low(1.5f), low(-2.7f), low(180.0f)}, 1.5f, -2.7f, 180.0f},
        {"junk in every upper half and in the fourth slot",
         {withJunk(low(-0.25f), 0xAAAAAAAA), withJunk(low(7.0f), 0x55555555),
          withJunk(low(-1e6f), 0xFFFFFFFF), 0x3F8000003F800000},
         -0.25f,
         7.0f,
         -1e6f},
    };
    for (const Case& c : cases) {
        standin::reset();
        answerWith(c.resultSlots);
        const Vector3 v = invokeNative<Vector3>(anyHash);
        EXPECT_EQ(v.x, c.x) << c.situation;
        EXPECT_EQ(v.y, c.y) << c.situation;
        EXPECT_EQ(v.z, c.z) << c.situation;
    }
    EXPECT_EQ(sizeof(Vector3), 24u);
    EXPECT_EQ(offsetof(Vector3, x), 0u);
    EXPECT_EQ(offsetof(Vector3, y), 8u);
    EXPECT_EQ(offsetof(Vector3, z), 16u);
}

TEST(NativeCall, ArgumentsAreEncodedIntoTheLowHalf) {
    standin::reset();
    invokeNative<void>(anyHash, int32_t{-1}, uint32_t{0xD2047988}, -2.7f, -0.0f, int32_t{2147483647});
    ASSERT_EQ(standin::calls().size(), 1u);
    EXPECT_EQ(standin::calls()[0].slotList(),
              (std::vector<uint64_t>{0x00000000FFFFFFFF, 0x00000000D2047988, 0x00000000C02CCCCD,
                                     0x0000000080000000, 0x000000007FFFFFFF}));
}

TEST(NativeCall, CallsAreOpenedFilledAndRunInOrderWithoutNesting) {
    standin::reset();
    // Each responder sees the call it answers complete, so every push came before the run.
    standin::setFallbackResponder(
        [](const standin::NativeCall& call, uint64_t* result) { result[0] = call.slotCount; });
    EXPECT_EQ(invokeNative<int32_t>(anyHash, 1, 2, 3), 3);
    lockCameraOnEntity(4, 5);
    EXPECT_EQ(pointDistance(1, 2, 3, 4, 5, 6), std::bit_cast<float>(7u));
    orientCamera(9, 1.0f, 2.0f, 3.0f, 2);
    EXPECT_EQ(standin::protocolErrors(), 0u);
    std::vector<uint32_t> slotCounts;
    for (const auto& call : standin::calls()) slotCounts.push_back(call.slotCount);
    EXPECT_EQ(slotCounts, (std::vector<uint32_t>{3, 6, 7, 5}));
}

} // namespace
