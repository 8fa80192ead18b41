// Resampling a picture to the thumbnail size: the fast nearest-neighbour stretch and the quality
// bilinear resize.
#include "imaging/Resample.h"

#include "imaging/Geometry.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace pixmaro {

void ResizeFast(const Picture &picture, int W, int H, WorkingBitmap &working)
{
    if (picture.drawsOnWhite()) {
        working.resizeToOverwrite(W, H);
        working.fill(255, 255, 255);
    } else if (!picture.pixels().isEmpty()) {
        working.resizeToOverwrite(W, H); // every target pixel takes a source pixel
    } else {
        working.resize(W, H);
    }
    picture.drawStretched(working, W, H);
}

namespace {

// Every step below is stored as a 32-bit float, the arithmetic before each store done in the
// x87 80-bit format, so the thumbnails come out bit for bit the same on every run.
inline float Stored(long double value)
{
    return static_cast<float>(value);
}

inline std::uint8_t RoundChannel(float sum)
{
    const long rounded = std::lrint(sum); // to nearest, ties to even
    return static_cast<std::uint8_t>(std::clamp(rounded, 0L, 255L));
}

} // namespace

void ResizeQuality(WorkingBitmap &working, ScratchBitmap &scratch, int W, int H)
{
    const int srcW = working.width();
    const int srcH = working.height();
    if (srcW < 2 || srcH < 2)
        throw DivisionByZero();
    scratch.resizeToOverwrite(W, H);
    const float sx = Stored(static_cast<long double>(W) / (srcW - 1));
    const float sy = Stored(static_cast<long double>(H) / (srcH - 1));

    const int previousRounding = std::fegetround();
    std::fesetround(FE_TONEAREST);
    for (int y = 0; y < scratch.height(); ++y) {
        const float py = Stored(static_cast<long double>(y) / sy);
        const int iy = static_cast<int>(py);
        const float ty = Stored(static_cast<long double>(py) - iy);
        const float wy[2] = { Stored(1.0L - ty), ty };
        const std::uint8_t *rows[2] = { working.row(iy), working.row(std::min(iy + 1, srcH - 1)) };
        std::uint8_t *out = scratch.row(y);

        for (int x = 0; x < scratch.width(); ++x) {
            const float px = Stored(static_cast<long double>(x) / sx);
            const int ix = static_cast<int>(px);
            const float tx = Stored(static_cast<long double>(px) - ix);
            const float wx[2] = { Stored(1.0L - tx), tx };
            const int columns[2] = { ix, std::min(ix + 1, srcW - 1) };

            float blue = 0, green = 0, red = 0;
            for (int i = 0; i < 2; ++i) {
                for (int j = 0; j < 2; ++j) {
                    const float weight = Stored(static_cast<long double>(wx[i]) * wy[j]);
                    const std::uint8_t *p = rows[j] + 3 * columns[i];
                    red = Stored(red + static_cast<long double>(p[2]) * weight);
                    green = Stored(green + static_cast<long double>(p[1]) * weight);
                    blue = Stored(blue + static_cast<long double>(p[0]) * weight);
                }
            }
            out[3 * x] = RoundChannel(blue);
            out[3 * x + 1] = RoundChannel(green);
            out[3 * x + 2] = RoundChannel(red);
        }
    }
    std::fesetround(previousRounding);
    working.copyFrom(scratch);
}

} // namespace pixmaro
