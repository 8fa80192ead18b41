// What the cross-fade control shows before a pass: its two pictures and colours rendered into the
// display and target rasters at the control's size.
#pragma once

#include "about/FadePicture.h"
#include "imaging/WorkingBitmap.h"

#include <QSize>

#include <cstdint>

namespace pixmaro {

/// A colour as the settings hold it: 0x00BBGGRR, red in the low byte.
using FadeColor = std::uint32_t;

/// Fills every pixel of `raster` with `color`.
void FillWithColor(WorkingBitmap &raster, FadeColor color);

/// Draws `icon` over a raster of its own size filled with `color`, then stretches that raster over
/// (0, 0)-(W, H) of `buffer`, so the icon's transparent parts show `color`, never the buffer's old
/// content. Does nothing for an empty icon.
void DrawIconOnColor(const FadePicture &icon, WorkingBitmap &buffer, FadeColor color, int W, int H);

/// Everything the rendering reads: the start picture and colour, the target picture and colour,
/// and whether the pictures are scaled into the control.
struct FadeScene {
    FadePicture picFrom;
    FadePicture picTo;
    FadeColor colorFrom = 0x000000;
    FadeColor colorTo = 0xFFFFFF;
    bool stretchToFit = true;
};

/// Renders `scene` for a control of size `control`: the start picture into `display` and the
/// target picture into `target`. With stretchToFit both are scaled to the control; without it the
/// control takes the size of the start picture (or of the target picture when there is no start
/// picture) and the target picture is scaled to that. Both rasters end at the returned size, which
/// is the control's new size. Throws RasterTooLarge when that size is beyond the raster limit.
QSize RenderFadeBuffers(
    const FadeScene &scene, QSize control, WorkingBitmap &display, WorkingBitmap &target);

} // namespace pixmaro
