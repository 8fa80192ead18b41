// BMP and icon files, read with Qt's image readers after checking what Qt does not.
#include "imaging/QtRasterReaders.h"

#include <QBuffer>
#include <QImageReader>

#include <cstring>

namespace pixmaro {

namespace {

std::uint32_t U32(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const std::uint8_t *>(b.constData()) + at;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}
std::uint16_t U16(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const std::uint8_t *>(b.constData()) + at;
    return std::uint16_t(p[0] | (p[1] << 8));
}

enum { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

// Whether run-length data paints every pixel of a `width` × `height` picture. Qt leaves the
// pixels that a delta jump or an early end skips uninitialised, so such files are refused.
bool RunLengthCoversEverything(
    const QByteArray &file, qsizetype at, int width, int height, bool fourBit)
{
    const auto *p = reinterpret_cast<const std::uint8_t *>(file.constData());
    const qsizetype end = file.size();
    int x = 0, y = 0;
    while (y < height) {
        if (at + 2 > end)
            return false;
        const int count = p[at], value = p[at + 1];
        at += 2;
        if (count > 0) { // a run of one colour
            x += count;
            if (x > width)
                return false;
            if (x == width && y == height - 1)
                return true;
            continue;
        }
        switch (value) {
        case 0: // end of line: the rest of the row is skipped
            if (x != width)
                return false;
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap before the last row is complete
            return false;
        case 2: // delta: skips pixels
            return false;
        default: { // literal pixels, padded to a 16-bit boundary
            const qsizetype bytes = fourBit ? (value + 1) / 2 : value;
            at += (bytes + 1) & ~qsizetype(1);
            x += value;
            if (x > width || at > end)
                return false;
        }
        }
        if (x == width && y == height - 1) {
            // The last row is complete; what follows may be an end-of-line or end-of-bitmap.
            return true;
        }
    }
    return true;
}

bool BmpIsComplete(const QByteArray &file)
{
    if (file.size() < 26 || !file.startsWith("BM"))
        return false;
    const std::uint32_t offset = U32(file, 10);
    const std::uint32_t headerSize = U32(file, 14);
    std::int64_t width, height;
    unsigned bits, compression = kRgb;
    if (headerSize == 12) {
        width = U16(file, 18);
        height = U16(file, 20);
        bits = U16(file, 24);
    } else if (headerSize >= 40 && file.size() >= 14 + 40) {
        width = std::int32_t(U32(file, 18));
        height = std::int32_t(U32(file, 22));
        bits = U16(file, 28);
        compression = U32(file, 30);
    } else {
        return false;
    }
    if (height < 0)
        height = -height;
    if (width <= 0 || height <= 0 || !SizeAllowed(width, height))
        return false;
    if (offset < 14 + headerSize || offset >= std::uint64_t(file.size()))
        return false;
    if (compression == kRle8 || compression == kRle4)
        return RunLengthCoversEverything(
            file, offset, int(width), int(height), compression == kRle4);
    if (compression != kRgb && compression != kBitFields)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const std::int64_t stride = ((width * bits + 31) / 32) * 4;
    return offset + stride * height <= file.size();
}

QImage ReadWithQt(const QByteArray &file, const char *format, int index = -1)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    if (index >= 0)
        reader.jumpToImage(index);
    return reader.read();
}

} // namespace

bool ImageToBitmap(const QImage &image, WorkingBitmap &out, bool blendOverBlack)
{
    if (image.isNull() || !SizeAllowed(image.width(), image.height()))
        return false;
    const QImage argb = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    out.resizeToOverwrite(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        std::uint8_t *row = out.row(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = in[x];
            unsigned r = qRed(c), g = qGreen(c), b = qBlue(c);
            if (blendOverBlack && argb.hasAlphaChannel()) {
                const unsigned a = qAlpha(c);
                r = (r * a + 127) / 255;
                g = (g * a + 127) / 255;
                b = (b * a + 127) / 255;
            }
            row[3 * x] = std::uint8_t(b);
            row[3 * x + 1] = std::uint8_t(g);
            row[3 * x + 2] = std::uint8_t(r);
        }
    }
    return true;
}

bool ReadBmp(const QByteArray &file, WorkingBitmap &out)
{
    if (!BmpIsComplete(file))
        return false;
    return ImageToBitmap(ReadWithQt(file, "bmp"), out, false);
}

bool ReadIcon(const QByteArray &file, WorkingBitmap &out)
{
    // Icon directory: reserved 0, type 1, count, then 16-byte entries.
    if (file.size() < 6 || U16(file, 0) != 0 || U16(file, 2) != 1)
        return false;
    const int count = U16(file, 4);
    if (count == 0 || file.size() < 6 + 16 * qsizetype(count))
        return false;
    int best = -1;
    std::int64_t bestArea = -1;
    for (int i = 0; i < count; ++i) {
        const auto *e = reinterpret_cast<const std::uint8_t *>(file.constData()) + 6 + 16 * i;
        const int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        const std::uint32_t size = U32(file, 6 + 16 * i + 8), offset = U32(file, 6 + 16 * i + 12);
        if (std::uint64_t(offset) + size > std::uint64_t(file.size()))
            continue;
        if (std::int64_t(w) * h > bestArea) {
            bestArea = std::int64_t(w) * h;
            best = i;
        }
    }
    if (best < 0)
        return false;
    return ImageToBitmap(ReadWithQt(file, "ico", best), out, true);
}

} // namespace pixmaro
