// The JPEG encoder object: a quality and the raster to compress when the file is saved.
#pragma once

#include "imaging/JpegBlocks.h"
#include "imaging/WorkingBitmap.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace pixmaro {

/// Gives row `y` of a picture being compressed (blue-green-red, width × 3 bytes), or nothing to
/// abandon the compression; rows are asked for once each, top to bottom.
using JpegRowSource = std::function<const std::uint8_t *(int y)>;

/// Compresses a `width` × `height` picture given row by row, as CompressJpeg does a raster. Returns
/// nothing when `rows` gives nothing or on a library error (then `error`, when given, is set to
/// "JPEG error #<code>"; `*abandoned` tells the two apart).
std::optional<QByteArray> CompressJpegRows(
    int width, int height, int quality, const JpegRowSource &rows, QString *error, bool *abandoned);
/// As CompressJpegRows, into `out`; false when abandoned or on a library error (`errorCode`
/// then set).
bool CompressJpegRowsToBlocks(int width, int height, int quality, const JpegRowSource &rows,
    JpegBlocks &out, int *errorCode, bool *abandoned);

/// Compresses `raster` with libjpeg: RGB in, the library's defaults (JFIF, default subsampling,
/// standard Huffman tables, baseline) with its quality scaling at `quality`, baseline tables
/// forced; the bytes are those cjpeg writes from the same pixels. A raster of width or height 0
/// gives no bytes. On a library error returns nothing and sets `error` (when given) to
/// "JPEG error #<code>".
std::optional<QByteArray> CompressJpeg(const WorkingBitmap &raster, int quality, QString *error);

/// A JPEG encoder object: a quality and the raster it was given; compression is deferred to
/// save(). It reads the raster only then, without copying it: the raster must stay as it is
/// until the encoder is saved or given another one.
class JpegEncoder {
public:
    int quality() const { return m_quality; }

    /// Takes `quality` (10 to 100) and `raster`, dropping any earlier picture.
    void setImage(const WorkingBitmap &raster, int quality);
    void setImage(const WorkingBitmap &&, int) = delete; // it would be gone before the save
    /// The raster compressed as CompressJpeg does; no bytes when no raster was given.
    std::optional<QByteArray> compress(QString *error) const;
    /// Compresses and writes the file safely; returns the error text on failure.
    std::optional<QString> save(const QString &path) const;

private:
    int m_quality = 90;
    const WorkingBitmap *m_raster = nullptr;
};

/// Quality := `quality`; the encoder keeps `raster` for the save.
void SaveAsJpeg(JpegEncoder &encoder, const WorkingBitmap &raster, int quality);
void SaveAsJpeg(JpegEncoder &, const WorkingBitmap &&, int) = delete; // gone before the save

} // namespace pixmaro
