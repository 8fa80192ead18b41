// The GIF encoder object: one frame of at most 236 colours chosen by libjpeg's quantiser.
#include "imaging/GifEncoder.h"

#include "base/SafeFile.h"
#include "imaging/JpegDecoder.h"
#include "imaging/JpegEncoder.h"
#include "imaging/gif/GifWriter.h"

namespace pixmaro {

namespace {

std::optional<QString> Encode(GifEncoder &gif, int width, int height, const JpegRowSource &rows,
    const std::function<void()> &compressed, bool *abandoned)
{
    gif.image() = gif::GifFile();
    gif.image().screenWidth = width;
    gif.image().screenHeight = height;
    if (width <= 0 || height <= 0)
        return std::nullopt;

    // The palette comes from libjpeg's quantiser, after one pass through a quality-100 JPEG. The
    // compressed picture is read back block by block and each block freed once read.
    JpegBlocks jpeg;
    int code = 0;
    if (!CompressJpegRowsToBlocks(width, height, 100, rows, jpeg, &code, abandoned))
        return QStringLiteral("JPEG error #%1").arg(code);
    if (compressed)
        compressed();
    QuantizedImage quantized;
    if (!DecodeJpegQuantized(std::move(jpeg), 236, quantized, &code))
        return QStringLiteral("JPEG error #%1").arg(code);

    gif::Frame frame;
    frame.width = quantized.width;
    frame.height = quantized.height;
    frame.indexes = std::move(quantized.indexes);
    for (const auto &c : quantized.colors)
        gif.image().globalColors.push_back({ c[0], c[1], c[2] });
    gif.image().frames.push_back(std::move(frame));
    gif::OptimizeColorMap(gif.image());
    return std::nullopt;
}

JpegRowSource RowsOf(const WorkingBitmap &raster)
{
    return [&raster](int y) { return raster.row(y); };
}

} // namespace

std::optional<QString> SaveAsGif(GifEncoder &gif, const WorkingBitmap &raster)
{
    return Encode(gif, raster.width(), raster.height(), RowsOf(raster), {}, nullptr);
}

std::optional<QString> SaveAsGif(GifEncoder &gif, WorkingBitmap &&raster)
{
    return Encode(
        gif, raster.width(), raster.height(), RowsOf(raster), [&raster] { raster.clear(); },
        nullptr);
}

std::optional<QString> SaveAsGifRows(GifEncoder &gif, int width, int height,
    const JpegRowSource &rows, const std::function<void()> &compressed, bool *abandoned)
{
    return Encode(gif, width, height, rows, compressed, abandoned);
}

std::optional<QString> GifEncoder::save(const QString &path) const
{
    return WriteFileSafely(path, gif::EncodeGif87a(m_image));
}

} // namespace pixmaro
