// Device-independent bitmaps as metafile records carry them: a BITMAPINFO and the pixel bits.
#include "imaging/metafile/Dib.h"

#include "base/ByteReader.h"
#include "imaging/WorkingBitmap.h"

#include <algorithm>
#include <bit>

namespace pixmaro::metafile {

namespace {

// Scales a masked channel value to 8 bits.
int Channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return int((((pixel & mask) >> shift) * 255 + max / 2) / max);
}

// What the header says about the pixels, once every size in it has been checked.
struct Layout {
    int width = 0, height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t masks[3] = { 0, 0, 0 };
    QList<QRgb> colors;
    std::size_t stride = 0;
};

bool ReadLayout(const ByteReader &info, std::size_t bitsSize, Layout &out)
{
    const std::uint32_t headerSize = info.u32At(0);
    std::int64_t width, height;
    std::uint32_t colorsUsed = 0;
    int quadSize = 4;
    if (headerSize == 12 && info.has(0, 12)) {
        width = info.u16At(4);
        height = info.i16At(6);
        out.bitCount = info.u16At(10);
        quadSize = 3;
    } else if (headerSize >= 40 && info.has(0, 40)) {
        width = info.i32At(4);
        height = info.i32At(8);
        out.bitCount = info.u16At(14);
        out.compression = info.u32At(16);
        colorsUsed = info.u32At(32);
    } else {
        return false;
    }
    out.topDown = height < 0;
    if (out.topDown)
        height = -height;
    if (width <= 0 || height <= 0 || !SizeAllowed(width, height) || width * height > kMaxDibPixels
        || headerSize > info.size())
        return false;
    if (out.compression != 0
        && !(out.compression == 3 && (out.bitCount == 16 || out.bitCount == 32)))
        return false;

    std::size_t tableAt = headerSize;
    if (out.compression == 3) {
        const std::size_t masksAt = headerSize >= 52 ? 40 : headerSize;
        if (!info.has(masksAt, 12))
            return false;
        for (int i = 0; i < 3; ++i)
            out.masks[i] = info.u32At(masksAt + 4 * std::size_t(i));
        if (headerSize < 52)
            tableAt += 12;
    } else if (out.bitCount == 16) {
        out.masks[0] = 0x7C00;
        out.masks[1] = 0x03E0;
        out.masks[2] = 0x001F;
    }

    if (out.bitCount == 1 || out.bitCount == 4 || out.bitCount == 8) {
        const std::uint32_t count = colorsUsed
            ? std::min<std::uint32_t>(colorsUsed, 1u << out.bitCount)
            : 1u << out.bitCount;
        const std::uint8_t *table = info.bytesAt(tableAt, std::size_t(count) * quadSize);
        if (!table)
            return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t *q = table + std::size_t(i) * quadSize;
            out.colors.append(qRgb(q[2], q[1], q[0]));
        }
    } else if (out.bitCount != 16 && out.bitCount != 24 && out.bitCount != 32) {
        return false;
    }

    out.width = int(width);
    out.height = int(height);
    out.stride = std::size_t(((width * out.bitCount + 31) / 32) * 4);
    return bitsSize >= out.stride * std::size_t(height);
}

} // namespace

QSize DibSize(
    const std::uint8_t *info, std::size_t infoSize, const std::uint8_t *, std::size_t bitsSize)
{
    Layout layout;
    if (!ReadLayout(ByteReader(info, infoSize), bitsSize, layout))
        return {};
    return QSize(layout.width, layout.height);
}

QImage DecodeDib(
    const std::uint8_t *info, std::size_t infoSize, const std::uint8_t *bits, std::size_t bitsSize)
{
    Layout layout;
    if (!ReadLayout(ByteReader(info, infoSize), bitsSize, layout))
        return {};
    const int width = layout.width, height = layout.height, bitCount = layout.bitCount;
    const std::uint32_t *masks = layout.masks;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row
            = bits + layout.stride * std::size_t(layout.topDown ? y : height - 1 - y);
        const ByteReader pixels(row, layout.stride);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                const int index = (row[x / perByte] >> shift) & ((1 << bitCount) - 1);
                out[x] = index < layout.colors.size() ? layout.colors[index] : qRgb(0, 0, 0);
                break;
            }
            case 16: {
                const std::uint32_t v = pixels.u16At(2 * std::size_t(x));
                out[x] = qRgb(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]));
                break;
            }
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32: {
                const std::uint32_t v = pixels.u32At(4 * std::size_t(x));
                out[x] = layout.compression == 3
                    ? qRgb(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]))
                    : qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            }
            }
        }
    }
    return image;
}

} // namespace pixmaro::metafile
