// What decides a thumbnail: its size from the picture's size and the job, and the source rows the
// resize reads, so a JPEG can be decoded only where it is read.
#include "job/ThumbnailPlan.h"

#include "imaging/Resample.h"

#include <exception>

namespace pixmaro {

ThumbSize ThumbnailPlan::sizeFor(int w, int h) const
{
    if (!KeepRatio)
        return { typedWidth, typedHeight };
    if (ForceWidth)
        return ScaleToWidth(w, h, ThumbMax);
    if (ForceHeight)
        return ScaleToHeight(w, h, ThumbMax);
    return FitWithinMax(w, h, ThumbMax);
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
