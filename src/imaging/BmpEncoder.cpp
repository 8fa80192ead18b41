// The BMP writer: the working raster as an uncompressed 24-bit Windows bitmap file.
#include "imaging/BmpEncoder.h"

#include "base/ByteWriter.h"
#include "base/Failures.h"
#include "base/SafeFile.h"

#include <QSaveFile>

#include <cstring>
#include <vector>

namespace pixmaro {

namespace {

// The 54 bytes before the pixel rows of a `width` × `height` 24-bit BMP: file header and info
// header. Each row holds 3 bytes a pixel, padded to a multiple of 4 as in the working raster.
QByteArray HeaderFor(int width, int height)
{
    const std::uint32_t imageSize
        = std::uint32_t(WorkingBitmap::StrideFor(width) * std::size_t(height));
    ByteWriter b;
    b.append("BM", 2);
    b.u32(54 + imageSize);
    b.u32(0);
    b.u32(54);
    b.u32(40);
    b.u32(std::uint32_t(width));
    b.u32(std::uint32_t(height));
    b.u16(1);
    b.u16(24);
    b.u32(0); // BI_RGB
    b.u32(imageSize);
    b.u32(0);
    b.u32(0);
    b.u32(0);
    b.u32(0);
    return b.take();
}

} // namespace

QByteArray EncodeBmp(const WorkingBitmap &raster)
{
    QByteArray b = HeaderFor(raster.width(), raster.height());
    b.reserve(qsizetype(54 + raster.byteCount()));
    for (int y = raster.height() - 1; y >= 0; --y)
        b.append(reinterpret_cast<const char *>(raster.row(y)), qsizetype(raster.stride()));
    return b;
}

std::optional<QString> SaveAsBmp(const WorkingBitmap &raster, const QString &path)
{
    return SaveAsBmpRows(
        raster.width(), raster.height(), [&](int y) { return raster.row(y); }, path)
        .error;
}

BmpRowsOutcome SaveAsBmpRows(int width, int height,
    const std::function<const std::uint8_t *(int y)> &rows, const std::optional<QString> &path)
{
    BmpRowsOutcome outcome;
    QSaveFile file(path.value_or(QString()));
    bool written = path && OpenForReplacement(file);
    if (written) {
        const QByteArray header = HeaderFor(width, height);
        written = WriteAll(file, header.constData(), header.size());
    }
    // The rows come top down and the file holds them bottom up: each is written at its place.
    const std::size_t stride = WorkingBitmap::StrideFor(width);
    std::vector<char> padded(stride, 0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = rows(y);
        if (!row)
            return outcome; // the temporary file goes with `file`
        if (!written)
            continue;
        std::memcpy(padded.data(), row, std::size_t(width) * 3);
        written = file.seek(qint64(54 + std::size_t(height - 1 - y) * stride))
            && WriteAll(file, padded.data(), qint64(stride));
    }
    outcome.rowsRead = true;
    if (path && (!written || !file.commit()))
        outcome.error = CannotCreateFile(*path);
    return outcome;
}

} // namespace pixmaro
