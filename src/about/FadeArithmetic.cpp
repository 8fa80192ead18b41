// The cross-fade passes' arithmetic: the alpha blend of two rasters, the weights of a blend pass
// and the order and schedule of a dissolve.
#include "about/FadeArithmetic.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace pixmaro {

void BlendBuffers(
    const WorkingBitmap &start, const WorkingBitmap &target, WorkingBitmap &display, int weight)
{
    const std::size_t bytes
        = std::min({ start.byteCount(), target.byteCount(), display.byteCount() });
    const std::uint32_t w = std::uint32_t(std::clamp(weight, 0, kFullWeight));
    const std::uint8_t *s = start.bits();
    const std::uint8_t *t = target.bits();
    std::uint8_t *d = display.bits();
    // Rows are padded to four bytes, so the memory is a whole number of 32-bit words. The words are
    // moved with memcpy, which compiles to plain loads and stores without aliasing trouble.
    for (std::size_t at = 0; at + 4 <= bytes; at += 4) {
        std::uint32_t sw, tw;
        std::memcpy(&sw, s + at, 4);
        std::memcpy(&tw, t + at, 4);
        const std::uint32_t dw = BlendWord(sw, tw, w);
        std::memcpy(d + at, &dw, 4);
    }
}

std::vector<int> BlendWeights(int rate)
{
    rate = std::max(rate, 1);
    std::vector<int> weights;
    weights.reserve(std::size_t(rate) + 1);
    for (int frame = 0; frame <= rate; ++frame)
        weights.push_back(BlendWeight(frame, rate));
    return weights;
}

DissolveSchedule ScheduleDissolve(std::int64_t pixelCount, int rate)
{
    DissolveSchedule schedule;
    if (pixelCount <= 0)
        return schedule;
    schedule.stepSize = std::max<std::int64_t>(pixelCount / std::max(rate, 1), 1);
    schedule.timedSteps = pixelCount / schedule.stepSize;
    schedule.remainder = pixelCount - schedule.timedSteps * schedule.stepSize;
    return schedule;
}

std::vector<DissolvePixel> BuildDissolveOrder(int width, int height, std::uint64_t seed)
{
    const std::int64_t count = std::int64_t(std::max(width, 0)) * std::max(height, 0);
    std::vector<DissolvePixel> order;
    order.reserve(std::size_t(count));
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            order.push_back({ r, c });
    if (count < 2)
        return order;
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int64_t> anywhere(0, count - 1);
    for (std::int64_t i = 0; i < count; ++i)
        std::swap(order[std::size_t(i)], order[std::size_t(anywhere(random))]);
    return order;
}

void CopyDissolvePixels(const WorkingBitmap &target, WorkingBitmap &display,
    const std::vector<DissolvePixel> &order, std::int64_t first, std::int64_t last)
{
    last = std::min<std::int64_t>(last, std::int64_t(order.size()));
    for (std::int64_t i = std::max<std::int64_t>(first, 0); i < last; ++i) {
        const DissolvePixel p = order[std::size_t(i)];
        std::memcpy(display.row(p.row) + 3 * std::size_t(p.column),
            target.row(p.row) + 3 * std::size_t(p.column), 3);
    }
}

} // namespace pixmaro
