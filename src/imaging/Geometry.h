// Thumbnail geometry: the size a picture takes inside a maximum side, width or height.
#pragma once

#include "base/Failures.h"

#include <stdexcept>

namespace pixmaro {

struct ThumbSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ThumbSize &, const ThumbSize &) = default;
};

// Each proportional side is one division and one multiplication in extended precision, rounded to
// the nearest integer with ties to even. A side that does not fit in 32 bits throws
// std::overflow_error.

/// The picture scaled so that its longer side is `max`, unless both sides are already below it.
ThumbSize FitWithinMax(int w, int h, int max);
/// Width `width`, height in proportion (enlarges as readily as it reduces).
ThumbSize ScaleToWidth(int w, int h, int width);
/// Height `height`, width in proportion.
ThumbSize ScaleToHeight(int w, int h, int height);

} // namespace pixmaro
