// The output encoders: reusable objects for JPEG, GIF and metafiles, and the BMP writer.
#pragma once

#include "imaging/WorkingBitmap.h"
#include "imaging/gif/GifFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pixmaro {

/// A JPEG encoder object: a quality and a copy of the raster; compression is deferred to save().
class JpegEncoder {
public:
    int quality() const { return m_quality; }
    const WorkingBitmap &raster() const { return m_raster; }

    /// Takes `quality` (10 to 100) and a copy of `raster`, dropping any earlier data.
    void setImage(const WorkingBitmap &raster, int quality);
    /// Compresses with libjpeg: RGB in, the library's defaults (JFIF, default subsampling,
    /// standard Huffman tables, baseline) with its quality scaling at this quality, baseline tables
    /// forced. A raster of width or height 0 gives no bytes. On a library error returns nothing
    /// and sets `error` to "JPEG error #<code>".
    std::optional<QByteArray> compress(QString *error) const;
    /// Compresses and writes the file safely; returns the error text on failure.
    std::optional<QString> save(const QString &path) const;

private:
    int m_quality = 90;
    WorkingBitmap m_raster;
};

/// A GIF object: one image with a single global colour table.
class GifEncoder {
public:
    const gif::GifFile &image() const { return m_image; }
    gif::GifFile &image() { return m_image; }
    /// Writes the image as a GIF87a file (see gif::EncodeGif87a) safely.
    std::optional<QString> save(const QString &path) const;

private:
    gif::GifFile m_image;
};

/// A metafile object: one recording, enhanced or old style.
class MetafileEncoder {
public:
    bool enhanced = true;
    const QByteArray &recording() const { return m_recording; }
    /// Records `raster` drawn 1:1 (EMF, or placeable WMF when not enhanced).
    void record(const WorkingBitmap &raster);
    std::optional<QString> save(const QString &path) const;

private:
    QByteArray m_recording;
};

/// Quality := `quality`; the encoder keeps a copy of the raster for the save.
void SaveAsJpeg(JpegEncoder &encoder, const WorkingBitmap &raster, int quality);

/// Rebuilds `gif` as one frame of at most 236 colours: the raster is compressed at quality 100 in
/// memory, decoded again through libjpeg's two-pass quantiser (Floyd-Steinberg dithering), and the
/// colour map optimised. Returns the error text on a JPEG library error.
std::optional<QString> SaveAsGif(GifEncoder &gif, const WorkingBitmap &raster);

/// Records the raster into the metafile object (its kind set by the caller).
void SaveAsMetafile(MetafileEncoder &metafile, const WorkingBitmap &raster);

/// The raster as an uncompressed 24-bit BMP file.
QByteArray EncodeBmp(const WorkingBitmap &raster);
std::optional<QString> SaveAsBmp(const WorkingBitmap &raster, const QString &path);

} // namespace pixmaro
