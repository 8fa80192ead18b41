// Device-independent bitmaps as metafile records carry them: a BITMAPINFO and the pixel bits.
#include "imaging/metafile/Dib.h"

#include "imaging/WorkingBitmap.h"

#include <bit>

namespace pixmaro::metafile {

namespace {

std::uint32_t U32(const std::uint8_t *p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

// Scales a masked channel value to 8 bits.
int Channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return int((((pixel & mask) >> shift) * 255 + max / 2) / max);
}

} // namespace

QImage DecodeDib(
    const std::uint8_t *info, std::size_t infoSize, const std::uint8_t *bits, std::size_t bitsSize)
{
    if (infoSize < 12)
        return {};
    const std::uint32_t headerSize = U32(info);
    std::int64_t width, height;
    int bitCount;
    std::uint32_t compression = 0, colorsUsed = 0;
    int quadSize = 4;
    if (headerSize == 12) {
        width = U16(info + 4);
        height = std::int16_t(U16(info + 6));
        bitCount = U16(info + 10);
        quadSize = 3;
    } else if (headerSize >= 40 && infoSize >= 40) {
        width = std::int32_t(U32(info + 4));
        height = std::int32_t(U32(info + 8));
        bitCount = U16(info + 14);
        compression = U32(info + 16);
        colorsUsed = U32(info + 32);
    } else {
        return {};
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || !SizeAllowed(width, height) || headerSize > infoSize)
        return {};
    if (compression != 0 && !(compression == 3 && (bitCount == 16 || bitCount == 32)))
        return {};

    std::uint32_t masks[3] = { 0, 0, 0 };
    std::size_t tableAt = headerSize;
    if (compression == 3) {
        if (headerSize >= 52) {
            for (int i = 0; i < 3; ++i)
                masks[i] = U32(info + 40 + 4 * i);
        } else {
            if (infoSize < headerSize + 12)
                return {};
            for (int i = 0; i < 3; ++i)
                masks[i] = U32(info + headerSize + 4 * i);
            tableAt += 12;
        }
    } else if (bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }

    QList<QRgb> colors;
    if (bitCount <= 8) {
        const std::uint32_t count
            = colorsUsed ? std::min<std::uint32_t>(colorsUsed, 1u << bitCount) : 1u << bitCount;
        if (infoSize < tableAt + std::size_t(count) * quadSize)
            return {};
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t *q = info + tableAt + std::size_t(i) * quadSize;
            colors.append(qRgb(q[2], q[1], q[0]));
        }
    } else if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return {};
    }

    const std::size_t stride = std::size_t(((width * bitCount + 31) / 32) * 4);
    if (bitsSize < stride * std::size_t(height))
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = bits + stride * std::size_t(topDown ? y : height - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1:
            case 4:
            case 8: {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                const int index = (row[x / perByte] >> shift) & ((1 << bitCount) - 1);
                out[x] = index < colors.size() ? colors[index] : qRgb(0, 0, 0);
                break;
            }
            case 16: {
                const std::uint32_t v = U16(row + 2 * x);
                out[x] = qRgb(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]));
                break;
            }
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32: {
                const std::uint32_t v = U32(row + 4 * x);
                out[x] = compression == 3
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
