// The BMP writer: the working raster as an uncompressed 24-bit Windows bitmap file.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace pixmaro {

/// The raster as an uncompressed 24-bit BMP file: the header, then the rows bottom-up, each padded
/// to a multiple of 4 bytes.
QByteArray EncodeBmp(const WorkingBitmap &raster);

/// Writes the raster as EncodeBmp's bytes to `path` safely, straight from the raster (no copy of
/// the file in memory; see SaveAsBmpRows). Returns "Cannot create file <path>" on failure; an
/// existing file is then left as it was.
std::optional<QString> SaveAsBmp(const WorkingBitmap &raster, const QString &path);

/// What SaveAsBmpRows did.
struct BmpRowsOutcome {
    bool rowsRead = false; // every row was given (false: the source failed; nothing is written)
    std::optional<QString> error; // "Cannot create file <path>" when the file could not be written
};

/// Writes a `width` × `height` 24-bit BMP to `path` safely from rows given top to bottom by
/// `rows(y)` (width × 3 bytes, blue-green-red; null when the source fails), each row going
/// straight to its place in the file, so the picture is never held whole. The bytes are those
/// EncodeBmp gives. Without `path` (an output that is not wanted) the rows are only read. Every row
/// is asked for even after a write failure, so the source is always read through; when it fails,
/// an existing file is left as it was.
BmpRowsOutcome SaveAsBmpRows(int width, int height,
    const std::function<const std::uint8_t *(int y)> &rows, const std::optional<QString> &path);

} // namespace pixmaro
