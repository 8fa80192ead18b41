// The BMP writer: the working raster as an uncompressed 24-bit Windows bitmap file.
#include "imaging/BmpEncoder.h"

#include "base/Failures.h"
#include "base/SafeFile.h"

#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <vector>

namespace pixmaro {

namespace {

// Bytes written to the file at a time.
constexpr std::size_t kWriteBlock = 1 << 20;

// A row's bytes in a 24-bit BMP: 3 per pixel, padded to a multiple of 4.
std::size_t BmpStride(int width)
{
    return (std::size_t(width) * 3 + 3) & ~std::size_t(3);
}

QByteArray HeaderFor(int width, int height)
{
    const std::uint32_t imageSize = std::uint32_t(BmpStride(width) * std::size_t(height));
    QByteArray b;
    b.reserve(54);
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
    u32(std::uint32_t(width));
    u32(std::uint32_t(height));
    u16(1);
    u16(24);
    u32(0); // BI_RGB
    u32(imageSize);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    return b;
}

} // namespace

QByteArray BmpHeader(const WorkingBitmap &raster)
{
    return HeaderFor(raster.width(), raster.height());
}

QByteArray EncodeBmp(const WorkingBitmap &raster)
{
    QByteArray b = BmpHeader(raster);
    b.reserve(qsizetype(54 + raster.byteCount()));
    for (int y = raster.height() - 1; y >= 0; --y)
        b.append(reinterpret_cast<const char *>(raster.row(y)), qsizetype(raster.stride()));
    return b;
}

std::optional<QString> SaveAsBmp(const WorkingBitmap &raster, const QString &path)
{
    QSaveFile file(path);
    bool ok = OpenForReplacement(file);
    if (ok) {
        const QByteArray header = BmpHeader(raster);
        ok = WriteAll(file, header.constData(), header.size());
    }
    // The rows go out bottom-up in blocks of whole rows, so a large raster is never copied whole.
    const std::size_t stride = raster.stride();
    const std::size_t rowsPerBlock
        = std::max<std::size_t>(1, kWriteBlock / std::max<std::size_t>(stride, 1));
    std::vector<char> block;
    for (int y = raster.height() - 1; ok && y >= 0;) {
        block.clear();
        for (std::size_t n = 0; n < rowsPerBlock && y >= 0; ++n, --y) {
            const auto *row = reinterpret_cast<const char *>(raster.row(y));
            block.insert(block.end(), row, row + stride);
        }
        ok = WriteAll(file, block.data(), qint64(block.size()));
    }
    // Without commit() the temporary file is removed when `file` goes.
    if (!ok || !file.commit())
        return CannotCreateFile(path);
    return std::nullopt;
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
    const std::size_t stride = BmpStride(width);
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
