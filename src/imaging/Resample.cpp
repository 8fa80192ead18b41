// Resampling a picture to the thumbnail size: the fast nearest-neighbour stretch and the quality
// bilinear resize, and the source rows each of them reads.
#include "imaging/Resample.h"

#include "imaging/Geometry.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <stdexcept>

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
    // A metafile that ran out of its drawing budget (or was cancelled) is only partly drawn: such
    // a thumbnail is never written as if it were whole.
    if (!picture.drawStretched(working, W, H))
        throw std::runtime_error("the picture could not be drawn in full");
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

// The scale factor of one axis: target pixels per source step.
inline float ScaleFactor(int target, int source)
{
    return Stored(static_cast<long double>(target) / (source - 1));
}

// Where target index `i` samples the source along one axis: the first of the two source
// pixels, and the weight of the second.
struct Sample {
    int index;
    float fraction;
};

inline Sample SampleAt(int i, float scale)
{
    const float position = Stored(static_cast<long double>(i) / scale);
    const int index = static_cast<int>(position);
    return { index, Stored(static_cast<long double>(position) - index) };
}

} // namespace

void ResizeQuality(WorkingBitmap &working, ScratchBitmap &scratch, int W, int H)
{
    const int srcW = working.width();
    const int srcH = working.height();
    if (srcW < 2 || srcH < 2)
        throw DivisionByZero();
    scratch.resizeToOverwrite(W, H);
    const float sx = ScaleFactor(W, srcW);
    const float sy = ScaleFactor(H, srcH);

    const int previousRounding = std::fegetround();
    std::fesetround(FE_TONEAREST);
    for (int y = 0; y < scratch.height(); ++y) {
        const Sample row = SampleAt(y, sy);
        const int iy = row.index;
        const float wy[2] = { Stored(1.0L - row.fraction), row.fraction };
        const std::uint8_t *rows[2] = { working.row(iy), working.row(std::min(iy + 1, srcH - 1)) };
        std::uint8_t *out = scratch.row(y);

        for (int x = 0; x < scratch.width(); ++x) {
            const Sample column = SampleAt(x, sx);
            const int ix = column.index;
            const float wx[2] = { Stored(1.0L - column.fraction), column.fraction };
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

namespace {

// The marked rows of `srcH`, ascending.
std::vector<int> Marked(const std::vector<bool> &read)
{
    std::vector<int> rows;
    for (std::size_t y = 0; y < read.size(); ++y) {
        if (read[y])
            rows.push_back(int(y));
    }
    return rows;
}

} // namespace

std::vector<int> RowsReadByResizeQuality(int srcW, int srcH, int W, int H)
{
    if (srcW < 2 || srcH < 2 || W <= 0 || H <= 0 || !SizeAllowed(W, H))
        return {};
    const float sy = ScaleFactor(H, srcH);
    std::vector<bool> read(std::size_t(srcH), false);
    // The same rounding as the resize itself, so the rows come out the same.
    const int previousRounding = std::fegetround();
    std::fesetround(FE_TONEAREST);
    for (int y = 0; y < H; ++y) {
        const int iy = std::min(SampleAt(y, sy).index, srcH - 1);
        read[std::size_t(iy)] = true;
        read[std::size_t(std::min(iy + 1, srcH - 1))] = true;
    }
    std::fesetround(previousRounding);
    return Marked(read);
}

std::vector<int> RowsReadByResizeFast(int srcH, int W, int H)
{
    if (srcH <= 0 || W <= 0 || H <= 0 || !SizeAllowed(W, H))
        return {};
    std::vector<bool> read(std::size_t(srcH), false);
    for (int y = 0; y < H; ++y)
        read[std::size_t(NearestSourceIndex(y, srcH, H))] = true;
    return Marked(read);
}

} // namespace pixmaro
