// Resampling a picture to the thumbnail size: the fast nearest-neighbour stretch and the quality
// bilinear resize.
#pragma once

#include "imaging/Picture.h"
#include "imaging/WorkingBitmap.h"

namespace pixmaro {

/// Makes `working` W × H and draws `picture` stretched into it: on white for a GIF or metafile,
/// rasters by nearest neighbour (no colour is ever averaged), metafiles played at the target size.
void ResizeFast(const Picture &picture, int W, int H, WorkingBitmap &working);

/// Resizes the full-size picture in `working` to W × H by bilinear interpolation of four source
/// pixels, with the scale factors, weights and sums kept as 32-bit floats; `scratch` receives the
/// result, which is then copied back into `working`. Throws DivisionByZero for a source less than
/// two pixels wide or high (it has no scale factor).
void ResizeQuality(WorkingBitmap &working, ScratchBitmap &scratch, int W, int H);

} // namespace pixmaro
