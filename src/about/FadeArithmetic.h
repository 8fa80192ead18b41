// The cross-fade passes' arithmetic: the alpha blend of two rasters, the weights of a blend pass
// and the order and schedule of a dissolve.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <cstdint>
#include <vector>

namespace pixmaro {

/// The heaviest blend weight: weight 32 is the target alone.
constexpr int kFullWeight = 32;

/// Sets every byte d of `display`'s memory (padding included) to (s × (32 − weight) + t × weight)
/// div 32, from the byte s of `start` and t of `target` at the same place. The three rasters must
/// have the same size; `weight` runs from 0 to 32 (0 leaves the start bytes, 32 copies the target).
void BlendBuffers(
    const WorkingBitmap &start, const WorkingBitmap &target, WorkingBitmap &display, int weight);

/// The same mix for one 32-bit word of four bytes, two bytes per multiplication.
constexpr std::uint32_t BlendWord(std::uint32_t s, std::uint32_t t, std::uint32_t weight)
{
    const std::uint32_t keep = kFullWeight - weight;
    // Bytes 0 and 2 sit in 16-bit lanes; bytes 1 and 3 are brought down by 5 bits first so that
    // their products (at most 255 × 32, 13 bits) stay inside their lanes and inside 32 bits.
    const std::uint32_t low = (s & 0x00FF00FFu) * keep + (t & 0x00FF00FFu) * weight;
    const std::uint32_t high = ((s & 0xFF00FF00u) >> 5) * keep + ((t & 0xFF00FF00u) >> 5) * weight;
    return ((low >> 5) & 0x00FF00FFu) | (high & 0xFF00FF00u);
}

/// The weight of frame `frame` (0 to `rate`) of a blend pass of `rate` steps (at least 1):
/// frame × 32 div rate, computed in 64 bits so any rate works. The last frame has weight 32.
constexpr int BlendWeight(int frame, int rate)
{
    return int((std::int64_t(frame) * kFullWeight) / std::int64_t(rate < 1 ? 1 : rate));
}

/// The weights of all `rate` + 1 frames of a blend pass.
std::vector<int> BlendWeights(int rate);

/// One pixel position of a dissolve.
struct DissolvePixel {
    std::int32_t row;
    std::int32_t column;
    friend bool operator==(const DissolvePixel &, const DissolvePixel &) = default;
};

/// How a dissolve of `pixelCount` pixels at `rate` steps is cut up: `timedSteps` steps of
/// `stepSize` pixels, each followed by a pause, then a last step of `remainder` pixels.
struct DissolveSchedule {
    std::int64_t stepSize = 1;
    std::int64_t timedSteps = 0;
    std::int64_t remainder = 0;
    friend bool operator==(const DissolveSchedule &, const DissolveSchedule &) = default;
};

/// Step size pixelCount div rate (at least 1), pixelCount div stepSize timed steps, and what is
/// left. A rate below 1 counts as 1; a pixel count of 0 gives no steps at all.
DissolveSchedule ScheduleDissolve(std::int64_t pixelCount, int rate);

/// Every pixel of a `width` × `height` area once, row by row, then shuffled: each position i in
/// turn is exchanged with a position picked uniformly from the whole array, using a generator
/// seeded with `seed`. Throws std::bad_alloc when the area is too large to list.
std::vector<DissolvePixel> BuildDissolveOrder(int width, int height, std::uint64_t seed);

/// Copies the pixels order[first] to order[last − 1] from `target` into `display` (same size; the
/// positions must lie inside).
void CopyDissolvePixels(const WorkingBitmap &target, WorkingBitmap &display,
    const std::vector<DissolvePixel> &order, std::int64_t first, std::int64_t last);

} // namespace pixmaro
