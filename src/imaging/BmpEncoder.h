// The BMP writer: the working raster as an uncompressed 24-bit Windows bitmap file.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pixmaro {

/// The 54 bytes before the pixel rows of a 24-bit BMP of `raster`: file header and info header.
QByteArray BmpHeader(const WorkingBitmap &raster);

/// The raster as an uncompressed 24-bit BMP file: the header, then the rows bottom-up, each padded
/// to a multiple of 4 bytes.
QByteArray EncodeBmp(const WorkingBitmap &raster);

/// Writes the raster as EncodeBmp's bytes to `path` safely, straight from the raster (no copy of
/// the file in memory). Returns "Cannot create file <path>" on failure; an existing file is then
/// left as it was.
std::optional<QString> SaveAsBmp(const WorkingBitmap &raster, const QString &path);

} // namespace pixmaro
