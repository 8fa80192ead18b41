// The output encoders: reusable objects for JPEG, GIF and metafiles, and the BMP writer.
#include "imaging/Encoders.h"

#include "base/SafeFile.h"
#include "imaging/JpegDecoder.h"
#include "imaging/JpegErrors.h"
#include "imaging/gif/GifWriter.h"
#include "imaging/metafile/MetafileWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace pixmaro {

namespace {

// Holds only plain locals: the error handler jumps back here past libjpeg's frames.
bool Compress(const WorkingBitmap &raster, int quality, unsigned char **buffer, unsigned long *size,
    int *code)
{
    jpeg_compress_struct info;
    JpegErrorManager errors;
    info.err = InstallJpegErrorManager(errors);
    if (setjmp(errors.jump)) {
        *code = errors.code;
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(raster.width());
    info.image_height = JDIMENSION(raster.height());
    info.input_components = 3;
    // The raster is blue-green-red; libjpeg converts it to YCbCr exactly as it does RGB.
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(raster.row(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

void JpegEncoder::setImage(const WorkingBitmap &raster, int quality)
{
    m_quality = quality;
    m_raster.copyFrom(raster);
}

std::optional<QByteArray> JpegEncoder::compress(QString *error) const
{
    if (m_raster.isEmpty())
        return QByteArray();
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    int code = 0;
    const bool ok = Compress(m_raster, m_quality, &buffer, &size, &code);
    std::optional<QByteArray> bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    else if (error)
        *error = QStringLiteral("JPEG error #%1").arg(code);
    std::free(buffer);
    return bytes;
}

std::optional<QString> JpegEncoder::save(const QString &path) const
{
    QString error;
    const std::optional<QByteArray> bytes = compress(&error);
    if (!bytes)
        return error;
    return WriteFileSafely(path, *bytes);
}

void SaveAsJpeg(JpegEncoder &encoder, const WorkingBitmap &raster, int quality)
{
    encoder.setImage(raster, quality);
}

std::optional<QString> SaveAsGif(GifEncoder &gif, const WorkingBitmap &raster)
{
    gif.image() = gif::GifFile();
    gif.image().screenWidth = raster.width();
    gif.image().screenHeight = raster.height();
    if (raster.isEmpty())
        return std::nullopt;

    // The palette comes from libjpeg's quantiser, after one pass through a quality-100 JPEG.
    JpegEncoder temporary;
    temporary.setImage(raster, 100);
    QString error;
    const std::optional<QByteArray> jpeg = temporary.compress(&error);
    if (!jpeg)
        return error;
    QuantizedImage quantized;
    int code = 0;
    if (!DecodeJpegQuantized(reinterpret_cast<const std::uint8_t *>(jpeg->constData()),
            std::size_t(jpeg->size()), 236, quantized, &code))
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

std::optional<QString> GifEncoder::save(const QString &path) const
{
    return WriteFileSafely(path, gif::EncodeGif87a(m_image));
}

void MetafileEncoder::record(const WorkingBitmap &raster)
{
    m_recording = enhanced ? metafile::RecordEmf(raster) : metafile::RecordWmf(raster);
}

std::optional<QString> MetafileEncoder::save(const QString &path) const
{
    return WriteFileSafely(path, m_recording);
}

void SaveAsMetafile(MetafileEncoder &metafile, const WorkingBitmap &raster)
{
    metafile.record(raster);
}

QByteArray EncodeBmp(const WorkingBitmap &raster)
{
    const std::uint32_t imageSize = std::uint32_t(raster.byteCount());
    QByteArray b;
    b.reserve(qsizetype(54 + imageSize));
    const auto u16 = [&](int v) {
        b.append(char(v & 0xFF));
        b.append(char((v >> 8) & 0xFF));
    };
    const auto u32 = [&](std::uint32_t v) {
        u16(int(v & 0xFFFF));
        u16(int(v >> 16));
    };
    b.append("BM");
    u32(54 + imageSize);
    u32(0);
    u32(54);
    u32(40);
    u32(std::uint32_t(raster.width()));
    u32(std::uint32_t(raster.height()));
    u16(1);
    u16(24);
    u32(0); // BI_RGB
    u32(imageSize);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    for (int y = raster.height() - 1; y >= 0; --y)
        b.append(reinterpret_cast<const char *>(raster.row(y)), qsizetype(raster.stride()));
    return b;
}

std::optional<QString> SaveAsBmp(const WorkingBitmap &raster, const QString &path)
{
    return WriteFileSafely(path, EncodeBmp(raster));
}

} // namespace pixmaro
