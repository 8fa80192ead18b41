// What decides a thumbnail: its size from the picture's size and the job, and the source rows the
// resize reads, so a JPEG can be decoded only where it is read.
#pragma once

#include "imaging/Geometry.h"

#include <optional>
#include <vector>

namespace pixmaro {

/// The settings a thumbnail's size and resize depend on: KeepRatio and ThumbMax (taken once per
/// run), the typed size, and the force flags and resize speed of the file's own turn.
struct ThumbnailPlan {
    bool KeepRatio = false;
    int ThumbMax = 0;
    int typedWidth = 0;
    int typedHeight = 0;
    bool ForceWidth = false;
    bool ForceHeight = false;
    int ResizeSpeed = 1; // 0 fast, 1 quality

    friend bool operator==(const ThumbnailPlan &, const ThumbnailPlan &) = default;

    /// The thumbnail size of a `w` × `h` picture: ScaleToWidth, ScaleToHeight or FitWithinMax
    /// with ThumbMax when the ratio is kept (Force Width first), else the typed size; a side below
    /// one pixel is one pixel. Throws as those functions do.
    ThumbSize sizeFor(int w, int h) const;

    /// The rows of a `w` × `h` raster picture that the resize of its thumbnail reads, ascending;
    /// std::nullopt (every row) when the size cannot be worked out, so that the failure comes
    /// where the run computes the size, after the picture has loaded.
    std::optional<std::vector<int>> rowsFor(int w, int h) const;
};

} // namespace pixmaro
