// Test helper: a cross-fade picture holding a raster of one colour.
#pragma once

#include "about/FadePicture.h"

#include <QColor>
#include <QImage>

namespace pixmaro::test {

/// A picture whose raster is `w` × `h` pixels of `colour`.
inline FadePicture Solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    FadePicture picture;
    picture.setRaster(image);
    return picture;
}

} // namespace pixmaro::test
