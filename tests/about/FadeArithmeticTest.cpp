// The blend of two rasters, the weights of a blend pass and the dissolve's order and schedule.
#include "about/FadeArithmetic.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace pixmaro {

void PrintTo(const DissolveSchedule &s, std::ostream *os)
{
    *os << "{step " << s.stepSize << ", " << s.timedSteps << " timed, remainder " << s.remainder
        << "}";
}

namespace {

int ByteFormula(int s, int t, int w)
{
    return (s * (32 - w) + t * w) / 32;
}

TEST(BlendWord, EqualsTheByteFormulaForEveryPairAndWeight)
{
    for (std::uint32_t w = 0; w <= 32; ++w)
        for (std::uint32_t s = 0; s < 256; ++s)
            for (std::uint32_t t = 0; t < 256; ++t) {
                // Every lane at once: all four bytes hold the same pair.
                const std::uint32_t got = BlendWord(s * 0x01010101u, t * 0x01010101u, w);
                const std::uint32_t want = std::uint32_t(ByteFormula(int(s), int(t), int(w)));
                ASSERT_EQ(got, want * 0x01010101u) << "s " << s << " t " << t << " w " << w;
            }
}

TEST(BlendWord, KnownMixes)
{
    EXPECT_EQ(BlendWord(0xFF, 0x00, 1), 247u);
    EXPECT_EQ(BlendWord(0xFF, 0x00, 31), 7u);
    EXPECT_EQ(BlendWord(0xFFFFFFFFu, 0, 1), 0xF7F7F7F7u);
}

TEST(BlendBuffers, EqualsTheByteFormulaOnRandomRastersOfOddWidths)
{
    std::mt19937 random(7);
    for (int width : { 1, 3, 5, 7, 33, 161 }) {
        WorkingBitmap start, target, display;
        start.resize(width, 5);
        target.resize(width, 5);
        display.resize(width, 5);
        // Padding bytes included: the mix covers the whole memory.
        for (std::size_t i = 0; i < start.byteCount(); ++i) {
            start.bits()[i] = std::uint8_t(random());
            target.bits()[i] = std::uint8_t(random());
        }
        for (int w = 0; w <= 32; ++w) {
            BlendBuffers(start, target, display, w);
            for (std::size_t i = 0; i < start.byteCount(); ++i)
                ASSERT_EQ(display.bits()[i], ByteFormula(start.bits()[i], target.bits()[i], w))
                    << "width " << width << " weight " << w << " byte " << i;
        }
    }
}

TEST(BlendWeights, SequencesForSeveralRates)
{
    std::vector<int> rate32(33);
    for (int f = 0; f <= 32; ++f)
        rate32[std::size_t(f)] = f;
    EXPECT_EQ(BlendWeights(32), rate32);

    const std::vector<int> rate54 = BlendWeights(54);
    ASSERT_EQ(rate54.size(), 55u);
    EXPECT_EQ(std::vector<int>(rate54.begin(), rate54.begin() + 9),
        (std::vector<int> { 0, 0, 1, 1, 2, 2, 3, 4, 4 }));
    EXPECT_EQ(rate54[53], 31);
    EXPECT_EQ(rate54[54], 32);

    EXPECT_EQ(BlendWeights(1), (std::vector<int> { 0, 32 }));

    // Beyond 32 steps several frames share a weight; the sequence still climbs to 32 exactly.
    const std::vector<int> rate300 = BlendWeights(300);
    ASSERT_EQ(rate300.size(), 301u);
    EXPECT_TRUE(std::is_sorted(rate300.begin(), rate300.end()));
    EXPECT_EQ(rate300.front(), 0);
    EXPECT_EQ(rate300[10], 1); // 320 div 300
    EXPECT_EQ(rate300[9], 0);
    EXPECT_EQ(rate300.back(), 32);
}

TEST(BlendWeights, FramesTimesThirtyTwoDoNotOverflow)
{
    EXPECT_EQ(BlendWeight(INT_MAX, INT_MAX), 32);
    EXPECT_EQ(BlendWeight(INT_MAX / 2, INT_MAX), 15);
    EXPECT_EQ(BlendWeight(5, 0), 32 * 5); // a rate below 1 counts as 1
}

TEST(ScheduleDissolve, StepsForSizesAndRates)
{
    struct Row {
        std::int64_t pixels;
        int rate;
        DissolveSchedule want;
    };
    const Row rows[] = {
        { 160 * 102, 125, { 130, 125, 70 } }, { 75 * 75, 125, { 45, 125, 0 } },
        { 10, 125, { 1, 10, 0 } }, // more steps than pixels: one pixel a step
        { 10, 0, { 10, 1, 0 } }, { 10, -4, { 10, 1, 0 } },
        { 0, 125, { 1, 0, 0 } }, // nothing to dissolve
        { std::int64_t(65535) * 65535, 125, { 34358689, 125, 100 } }, // beyond 32 bits
    };
    for (const Row &row : rows)
        EXPECT_EQ(ScheduleDissolve(row.pixels, row.rate), row.want)
            << row.pixels << " pixels at rate " << row.rate;
}

TEST(BuildDissolveOrder, EveryPixelExactlyOnceInAShuffledOrder)
{
    for (auto [w, h] : { std::pair { 160, 102 }, { 75, 75 }, { 1, 1 }, { 0, 5 }, { 3, 1 } }) {
        const std::vector<DissolvePixel> order = BuildDissolveOrder(w, h, 12345);
        ASSERT_EQ(order.size(), std::size_t(w) * std::size_t(h));
        std::vector<int> seen(order.size(), 0);
        for (const DissolvePixel p : order) {
            ASSERT_TRUE(p.row >= 0 && p.row < h && p.column >= 0 && p.column < w);
            ++seen[std::size_t(p.row) * std::size_t(w) + std::size_t(p.column)];
        }
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
    }
    const std::vector<DissolvePixel> a = BuildDissolveOrder(75, 75, 1);
    const std::vector<DissolvePixel> b = BuildDissolveOrder(75, 75, 2);
    EXPECT_NE(a, b);
    EXPECT_FALSE(std::is_sorted(a.begin(), a.end(), [](DissolvePixel x, DissolvePixel y) {
        return x.row != y.row ? x.row < y.row : x.column < y.column;
    }));
}

TEST(CopyDissolvePixels, TheWholeScheduleTurnsTheDisplayIntoTheTarget)
{
    WorkingBitmap target, display;
    target.resize(160, 102);
    display.resize(160, 102);
    for (int y = 0; y < 102; ++y)
        for (int x = 0; x < 160 * 3; ++x)
            target.row(y)[x] = std::uint8_t(x + y);
    const std::vector<DissolvePixel> order = BuildDissolveOrder(160, 102, 99);
    const DissolveSchedule schedule = ScheduleDissolve(160 * 102, 125);
    std::int64_t copied = 0;
    for (std::int64_t step = 0; step < schedule.timedSteps; ++step) {
        CopyDissolvePixels(
            target, display, order, step * schedule.stepSize, (step + 1) * schedule.stepSize);
        copied += schedule.stepSize;
    }
    EXPECT_EQ(copied, 16250);
    EXPECT_NE(std::memcmp(target.bits(), display.bits(), target.byteCount()), 0);
    CopyDissolvePixels(target, display, order, copied, copied + schedule.remainder);
    EXPECT_EQ(std::memcmp(target.bits(), display.bits(), target.byteCount()), 0);
}

} // namespace
} // namespace pixmaro
