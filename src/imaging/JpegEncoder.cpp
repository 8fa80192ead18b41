// The JPEG encoder object: a quality and the raster to compress when the file is saved.
#include "imaging/JpegEncoder.h"

#include "base/SafeFile.h"
#include "imaging/JpegErrors.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace pixmaro {

namespace {

struct CompressState {
    jpeg_compress_struct info;
    JpegErrorManager errors;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

// The libjpeg objects live in the caller's CompressState: only this frame holds the jump target.
bool Compress(CompressState &s, const WorkingBitmap &raster, int quality)
{
    jpeg_compress_struct &info = s.info;
    if (setjmp(s.errors.jump))
        return false;
    jpeg_mem_dest(&info, &s.buffer, &s.size);
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
    return true;
}

} // namespace

std::optional<QByteArray> CompressJpeg(const WorkingBitmap &raster, int quality, QString *error)
{
    if (raster.isEmpty())
        return QByteArray();
    CompressState s;
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_compress(&s.info);
    const bool ok = Compress(s, raster, quality);
    jpeg_destroy_compress(&s.info);
    std::optional<QByteArray> bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char *>(s.buffer), qsizetype(s.size));
    else if (error)
        *error = QStringLiteral("JPEG error #%1").arg(s.errors.code);
    std::free(s.buffer);
    return bytes;
}

void JpegEncoder::setImage(const WorkingBitmap &raster, int quality)
{
    m_quality = quality;
    m_raster = &raster;
}

std::optional<QByteArray> JpegEncoder::compress(QString *error) const
{
    if (!m_raster)
        return QByteArray();
    return CompressJpeg(*m_raster, m_quality, error);
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

} // namespace pixmaro
