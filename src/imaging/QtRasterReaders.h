// BMP and icon files, read with Qt's image readers after checking what Qt does not.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QByteArray>
#include <QImage>

namespace pixmaro {

/// Reads a BMP file (any bit depth Qt reads, palettes applied, a 32-bit bitmap taken as opaque).
/// The header's sizes are checked against the data first, so a picture never holds memory the file
/// did not fill. Returns false for anything that is not a complete BMP within the size limit.
bool ReadBmp(const QByteArray &file, WorkingBitmap &out);

/// Reads an icon file's largest image, its transparent parts drawn over black.
bool ReadIcon(const QByteArray &file, WorkingBitmap &out);

/// Copies `image` into `out` as 24-bit colour. With `blendOverBlack`, an alpha channel darkens the
/// pixel towards black; without it, alpha is ignored.
bool ImageToBitmap(const QImage &image, WorkingBitmap &out, bool blendOverBlack);

} // namespace pixmaro
