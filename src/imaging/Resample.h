// Resampling a picture to the thumbnail size: the fast nearest-neighbour stretch and the quality
// bilinear resize, and the source rows each of them reads.
#pragma once

#include "imaging/Picture.h"
#include "imaging/WorkingBitmap.h"

#include <cstdint>
#include <vector>

namespace pixmaro {

/// Makes `working` W × H and draws `picture` stretched into it: on white for a GIF or metafile,
/// rasters by nearest neighbour (no colour is ever averaged), metafiles played at the target size.
/// Throws std::runtime_error when a metafile could not be drawn in full (its drawing budget ran
/// out, or the load's cancel flag was set).
void ResizeFast(const Picture &picture, int W, int H, WorkingBitmap &working);

/// Resizes the full-size picture in `working` to W × H by bilinear interpolation of four source
/// pixels, with the scale factors, weights and sums kept as 32-bit floats; `scratch` receives the
/// result, which is then copied back into `working`. Reads only the rows RowsReadByResizeQuality
/// names, so `working` may hold just those. Throws DivisionByZero for a source less than two
/// pixels wide or high (it has no scale factor).
void ResizeQuality(WorkingBitmap &working, ScratchBitmap &scratch, int W, int H);

/// The source index the nearest-neighbour stretch takes for target index `i` when `source`
/// pixels become `target`: the source pixel under the target pixel's centre,
/// floor((2i + 1) × source ÷ 2 × target).
inline int NearestSourceIndex(int i, int source, int target)
{
    return int((std::int64_t(2) * i + 1) * source / (std::int64_t(2) * target));
}

/// The rows of a `srcW` × `srcH` source that ResizeQuality to W × H reads, ascending. Empty when
/// it reads none: an empty target, or a source it cannot scale (it fails before reading).
std::vector<int> RowsReadByResizeQuality(int srcW, int srcH, int W, int H);

/// The rows of a raster picture `srcH` rows high that ResizeFast to W × H reads, ascending.
std::vector<int> RowsReadByResizeFast(int srcH, int W, int H);

} // namespace pixmaro
