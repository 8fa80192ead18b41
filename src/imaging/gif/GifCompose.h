// Drawing a GIF's frames: the first frame for the runs, every frame composed for an animation.
#pragma once

#include "imaging/WorkingBitmap.h"
#include "imaging/gif/GifFile.h"

#include <QImage>

#include <functional>

namespace pixmaro::gif {

/// Draws the first frame onto a white logical screen: transparent and unpainted pixels, and the
/// screen outside the frame, stay white.
void DrawFirstFrameOnWhite(const GifFile &file, WorkingBitmap &out);

/// Composes every frame in turn on a transparent logical screen, applying each frame's disposal
/// before the next is drawn, and hands each composed screen (ARGB32) and its delay to `show`.
/// Stops early when `show` returns false.
void ComposeFrames(
    const GifFile &file, const std::function<bool(const QImage &, int delayMs)> &show);

} // namespace pixmaro::gif
