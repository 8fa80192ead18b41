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

} // namespace

QByteArray BmpHeader(const WorkingBitmap &raster)
{
    const std::uint32_t imageSize = std::uint32_t(raster.byteCount());
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
    return b;
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

} // namespace pixmaro
