// The GIF encoder object: one frame of at most 236 colours chosen by libjpeg's quantiser.
#pragma once

#include "imaging/JpegEncoder.h"
#include "imaging/WorkingBitmap.h"
#include "imaging/gif/GifFile.h"

#include <QString>

#include <optional>

namespace pixmaro {

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

/// Rebuilds `gif` as one frame of at most 236 colours: the raster is compressed at quality 100 in
/// memory, decoded again through libjpeg's two-pass quantiser (Floyd-Steinberg dithering), and the
/// colour map optimised. Returns the error text on a JPEG library error.
std::optional<QString> SaveAsGif(GifEncoder &gif, const WorkingBitmap &raster);

/// As SaveAsGif, for a caller that needs the raster no more: its memory is released as soon as it
/// is compressed, so the quantiser's own copy of the picture never sits beside it.
std::optional<QString> SaveAsGif(GifEncoder &gif, WorkingBitmap &&raster);

/// As SaveAsGif, for a `width` × `height` picture given row by row (see JpegRowSource), so it is
/// never held whole. `compressed` is called once every row has been taken, before the quantiser
/// starts (a decoder feeding the rows can then be finished and its memory freed). When the rows
/// stop, returns an error text and sets `*abandoned`.
std::optional<QString> SaveAsGifRows(GifEncoder &gif, int width, int height,
    const JpegRowSource &rows, const std::function<void()> &compressed, bool *abandoned);

} // namespace pixmaro
