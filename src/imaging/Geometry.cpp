// Thumbnail geometry: the size a picture takes inside a maximum side, width or height.
#include "imaging/Geometry.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace pixmaro {

namespace {

// (a ÷ b) × c in the x87 80-bit format, the division rounded before the multiplication.
int ProportionalSide(int a, int b, int c)
{
    if (b == 0)
        throw DivisionByZero();
    const long double ratio = static_cast<long double>(a) / static_cast<long double>(b);
    const long double side = ratio * static_cast<long double>(c);
    // nearbyint rounds in the current mode, which is to-nearest-even unless someone changed it.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyint(side);
    std::fesetround(previous);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw std::overflow_error("thumbnail side out of range");
    return static_cast<int>(rounded);
}

} // namespace

ThumbSize FitWithinMax(int w, int h, int max)
{
    if (max > h && max > w)
        return { w, h };
    if (w < h)
        return { ProportionalSide(w, h, max), max };
    return { max, ProportionalSide(h, w, max) };
}

ThumbSize ScaleToWidth(int w, int h, int width)
{
    return { width, ProportionalSide(width, w, h) };
}

ThumbSize ScaleToHeight(int w, int h, int height)
{
    return { ProportionalSide(height, h, w), height };
}

} // namespace pixmaro
