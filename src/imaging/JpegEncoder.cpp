// The JPEG encoder object: a quality and the raster to compress when the file is saved.
#include "imaging/JpegEncoder.h"

#include "base/SafeFile.h"
#include "imaging/JpegErrors.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <jerror.h>
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
// The destination is set up by the caller. Returns false on a library error, and also when
// `rows` gives nothing (`abandoned` set).
bool Compress(CompressState &s, int width, int height, int quality, const JpegRowSource &rows,
    bool &abandoned)
{
    jpeg_compress_struct &info = s.info;
    if (setjmp(s.errors.jump))
        return false;
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    // The raster is blue-green-red; libjpeg converts it to YCbCr exactly as it does RGB.
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rows(int(info.next_scanline)));
        if (!row) {
            abandoned = true;
            return false;
        }
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

JpegRowSource RowsOf(const WorkingBitmap &raster)
{
    return [&raster](int y) { return raster.row(y); };
}

} // namespace

std::optional<QByteArray> CompressJpegRows(
    int width, int height, int quality, const JpegRowSource &rows, QString *error, bool *abandoned)
{
    if (width <= 0 || height <= 0)
        return QByteArray();
    CompressState s;
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_compress(&s.info);
    jpeg_mem_dest(&s.info, &s.buffer, &s.size);
    bool gaveUp = false;
    const bool ok = Compress(s, width, height, quality, rows, gaveUp);
    jpeg_destroy_compress(&s.info);
    std::optional<QByteArray> bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char *>(s.buffer), qsizetype(s.size));
    else if (error && !gaveUp)
        *error = QStringLiteral("JPEG error #%1").arg(s.errors.code);
    if (abandoned)
        *abandoned = gaveUp;
    std::free(s.buffer);
    return bytes;
}

std::optional<QByteArray> CompressJpeg(const WorkingBitmap &raster, int quality, QString *error)
{
    return CompressJpegRows(
        raster.width(), raster.height(), quality, RowsOf(raster), error, nullptr);
}

namespace {

// A libjpeg destination appending to JpegBlocks.
struct BlockDestination {
    jpeg_destination_mgr manager; // first: libjpeg sees a pointer to it
    JpegBlocks *out;
};

// Adds a block; when it cannot be had, the error handler jumps (no exception crosses libjpeg).
void NextBlock(j_compress_ptr info)
{
    auto *d = reinterpret_cast<BlockDestination *>(info->dest);
    bool ok = true;
    try {
        d->out->blocks.emplace_back(new std::uint8_t[JpegBlocks::kBlockSize]);
    } catch (const std::exception &) {
        ok = false;
    }
    if (!ok) {
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
    }
    d->manager.next_output_byte = d->out->blocks.back().get();
    d->manager.free_in_buffer = JpegBlocks::kBlockSize;
}

void StartBlocks(j_compress_ptr info)
{
    auto *d = reinterpret_cast<BlockDestination *>(info->dest);
    d->out->blocks.clear();
    d->out->size = 0;
    NextBlock(info);
}

boolean BlockFull(j_compress_ptr info)
{
    auto *d = reinterpret_cast<BlockDestination *>(info->dest);
    d->out->size += JpegBlocks::kBlockSize;
    NextBlock(info);
    return TRUE;
}

void EndBlocks(j_compress_ptr info)
{
    auto *d = reinterpret_cast<BlockDestination *>(info->dest);
    d->out->size += JpegBlocks::kBlockSize - d->manager.free_in_buffer;
}

} // namespace

bool CompressJpegRowsToBlocks(int width, int height, int quality, const JpegRowSource &rows,
    JpegBlocks &out, int *errorCode, bool *abandoned)
{
    out.blocks.clear();
    out.size = 0;
    if (width <= 0 || height <= 0)
        return true;
    CompressState s;
    BlockDestination destination;
    destination.manager.init_destination = StartBlocks;
    destination.manager.empty_output_buffer = BlockFull;
    destination.manager.term_destination = EndBlocks;
    destination.out = &out;
    s.info.err = InstallJpegErrorManager(s.errors);
    jpeg_create_compress(&s.info);
    s.info.dest = &destination.manager;
    bool gaveUp = false;
    const bool ok = Compress(s, width, height, quality, rows, gaveUp);
    jpeg_destroy_compress(&s.info);
    if (!ok) {
        out.blocks.clear();
        out.size = 0;
        if (errorCode && !gaveUp)
            *errorCode = s.errors.code;
    }
    if (abandoned)
        *abandoned = gaveUp;
    return ok;
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
