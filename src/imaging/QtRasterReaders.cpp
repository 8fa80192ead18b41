// BMP and icon files, read with Qt's image readers after checking what Qt does not.
#include "imaging/QtRasterReaders.h"

#include "base/ByteReader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace pixmaro {

namespace {

enum { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

// Whether run-length data paints every pixel of a `width` × `height` picture. Qt leaves the
// pixels that a delta jump or an early end skips uninitialised, so such files are refused.
bool RunLengthCoversEverything(
    const ByteReader &file, std::size_t at, int width, int height, bool fourBit)
{
    const std::size_t end = file.size();
    int x = 0, y = 0;
    while (y < height) {
        if (!file.has(at, 2))
            return false;
        const int count = file.u8At(at), value = file.u8At(at + 1);
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
            const std::size_t bytes = fourBit ? (value + 1) / 2 : value;
            at += (bytes + 1) & ~std::size_t(1);
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

bool BmpIsComplete(const QByteArray &bytes)
{
    const ByteReader file(bytes);
    if (file.size() < 26 || !bytes.startsWith("BM"))
        return false;
    const std::uint32_t offset = file.u32At(10);
    const std::uint32_t headerSize = file.u32At(14);
    std::int64_t width, height;
    unsigned bits, compression = kRgb;
    if (headerSize == 12) {
        width = file.u16At(18);
        height = file.u16At(20);
        bits = file.u16At(24);
    } else if (headerSize >= 40 && file.has(0, 14 + 40)) {
        width = file.i32At(18);
        height = file.i32At(22);
        bits = file.u16At(28);
        compression = file.u32At(30);
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
    return offset + stride * height <= std::int64_t(file.size());
}

// A 24-bit uncompressed BMP, already checked complete, copied straight into `out` row by row: no
// 32-bit copy of the picture is made (which for a large picture Qt would even refuse: its readers
// stop at 256 MB). False, with `out` untouched, for a BMP of another kind.
bool ReadPlainBmp24(const QByteArray &bytes, WorkingBitmap &out)
{
    const ByteReader file(bytes);
    if (file.u32At(14) < 40 || file.u16At(28) != 24 || file.u32At(30) != kRgb)
        return false;
    const int width = file.i32At(18);
    const std::int64_t storedHeight = file.i32At(22);
    const bool topDown = storedHeight < 0; // rows stored top row first
    const int height = int(topDown ? -storedHeight : storedHeight);
    const std::size_t stride = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    const std::size_t offset = file.u32At(10);
    out.resizeToOverwrite(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t stored = std::size_t(topDown ? y : height - 1 - y);
        std::memcpy(
            out.row(y), bytes.constData() + offset + stored * stride, std::size_t(width) * 3);
    }
    return true;
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
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    out.resizeToOverwrite(image.width(), image.height());
    // Converted a band of rows at a time: a whole 32-bit copy of a large 8-bit picture would
    // need four times its memory.
    constexpr int kBand = 256;
    QImage argb;
    for (int y = 0; y < image.height(); ++y) {
        if (y % kBand == 0)
            argb = image.copy(0, y, image.width(), std::min(kBand, image.height() - y))
                       .convertToFormat(format);
        const auto *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y % kBand));
        std::uint8_t *row = out.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = in[x];
            unsigned r = qRed(c), g = qGreen(c), b = qBlue(c);
            if (blendOverBlack && alpha) {
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
    return ReadPlainBmp24(file, out) || ImageToBitmap(ReadWithQt(file, "bmp"), out, false);
}

bool ReadIcon(const QByteArray &bytes, WorkingBitmap &out)
{
    // Icon directory: reserved 0, type 1, count, then 16-byte entries.
    const ByteReader file(bytes);
    if (file.size() < 6 || file.u16At(0) != 0 || file.u16At(2) != 1)
        return false;
    const int count = file.u16At(4);
    if (count == 0 || !file.has(6, 16 * std::size_t(count)))
        return false;
    int best = -1;
    std::int64_t bestArea = -1;
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * std::size_t(i);
        const int w = file.u8At(entry) ? file.u8At(entry) : 256;
        const int h = file.u8At(entry + 1) ? file.u8At(entry + 1) : 256;
        const std::uint32_t size = file.u32At(entry + 8), offset = file.u32At(entry + 12);
        if (!file.has(offset, size))
            continue;
        if (std::int64_t(w) * h > bestArea) {
            bestArea = std::int64_t(w) * h;
            best = i;
        }
    }
    if (best < 0)
        return false;
    return ImageToBitmap(ReadWithQt(bytes, "ico", best), out, true);
}

} // namespace pixmaro
