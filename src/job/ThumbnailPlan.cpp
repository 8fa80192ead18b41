// What decides a thumbnail: its size from the picture's size and the job, and the source rows the
// resize reads, so a JPEG can be decoded only where it is read.
#include "job/ThumbnailPlan.h"

#include "imaging/Resample.h"

#include <algorithm>
#include <exception>

namespace pixmaro {

ThumbSize ThumbnailPlan::sizeFor(int w, int h) const
{
    ThumbSize size { typedWidth, typedHeight };
    if (KeepRatio) {
        if (ForceWidth)
            size = ScaleToWidth(w, h, ThumbMax);
        else if (ForceHeight)
            size = ScaleToHeight(w, h, ThumbMax);
        else
            size = FitWithinMax(w, h, ThumbMax);
    }
    // A side that rounds below one pixel is one pixel wide.
    size.width = std::max(size.width, 1);
    size.height = std::max(size.height, 1);
    return size;
}

std::optional<std::vector<int>> ThumbnailPlan::rowsFor(int w, int h) const
{
    ThumbSize size;
    try {
        size = sizeFor(w, h);
    } catch (const std::exception &) {
        return std::nullopt;
    }
    if (ResizeSpeed == 1)
        return RowsReadByResizeQuality(w, h, size.width, size.height);
    return RowsReadByResizeFast(h, size.width, size.height);
}

} // namespace pixmaro
