// Tests of BMP and icon reading, including the files Qt must not be handed.
#include "imaging/QtRasterReaders.h"
#include "support/Rasters.h"

#include <QImage>
#include <QImageReader>

#include <cstdlib>
#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::At;
using test::Px;

void U32(QByteArray &b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
void U16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

QByteArray InfoHeader(int w, int h, int bits, int compression, int colors, int imageSize)
{
    QByteArray b;
    U32(b, 40);
    U32(b, std::uint32_t(w));
    U32(b, std::uint32_t(h));
    U16(b, 1);
    U16(b, bits);
    U32(b, std::uint32_t(compression));
    U32(b, std::uint32_t(imageSize));
    U32(b, 2835);
    U32(b, 2835);
    U32(b, std::uint32_t(colors));
    U32(b, 0);
    return b;
}

QByteArray Bmp(int w, int h, int bits, const QList<QRgb> &palette, const QByteArray &pixels,
    int compression = 0)
{
    QByteArray table;
    for (QRgb c : palette)
        table.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    QByteArray b("BM");
    U32(b, std::uint32_t(14 + 40 + table.size() + pixels.size()));
    U32(b, 0);
    U32(b, std::uint32_t(14 + 40 + table.size()));
    b += InfoHeader(w, h, bits, compression, int(palette.size()), int(pixels.size()));
    return b + table + pixels;
}

TEST(ReadBmp, PalettesAreApplied)
{
    // 8-bit, 2 × 2, bottom-up rows padded to 4 bytes.
    const QByteArray eight = Bmp(2, 2, 8, { qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(1, 2, 3) },
        QByteArray("\x00\x01\x00\x00\x02\x00\x00\x00", 8));
    WorkingBitmap out;
    ASSERT_TRUE(ReadBmp(eight, out));
    EXPECT_EQ(At(out, 0, 1), (Px { 10, 20, 30 }));
    EXPECT_EQ(At(out, 1, 1), (Px { 200, 100, 50 }));
    EXPECT_EQ(At(out, 0, 0), (Px { 1, 2, 3 }));

    // 1-bit whose first palette entry is the brighter one.
    const QByteArray one
        = Bmp(3, 1, 1, { qRgb(250, 250, 240), qRgb(5, 0, 0) }, QByteArray("\x40\x00\x00\x00", 4));
    ASSERT_TRUE(ReadBmp(one, out));
    EXPECT_EQ(At(out, 0, 0), (Px { 250, 250, 240 }));
    EXPECT_EQ(At(out, 1, 0), (Px { 5, 0, 0 }));
    EXPECT_EQ(At(out, 2, 0), (Px { 250, 250, 240 }));
}

TEST(ReadBmp, ThirtyTwoBitIsOpaque)
{
    QByteArray pixels;
    pixels.append("\x10\x20\x30\x00", 4); // alpha 0 must not hide the colour
    pixels.append("\x40\x50\x60\x80", 4);
    WorkingBitmap out;
    ASSERT_TRUE(ReadBmp(Bmp(2, 1, 32, {}, pixels), out));
    EXPECT_EQ(At(out, 0, 0), (Px { 0x30, 0x20, 0x10 }));
    EXPECT_EQ(At(out, 1, 0), (Px { 0x60, 0x50, 0x40 }));
}

TEST(ReadBmp, TwentyFourBitRowsAreReadAsQtReadsThemWhateverQtsMemoryLimit)
{
    // A 24-bit BMP with `header` bytes of info header, rows stored top-down when `height` < 0.
    const auto bmp24 = [](int width, int height, int header) {
        const int rows = std::abs(height);
        const int stride = (width * 3 + 3) & ~3;
        QByteArray pixels(stride * rows, '\0');
        for (int i = 0; i < pixels.size(); ++i)
            pixels[i] = char((i * 37 + i / stride * 11) & 0xFF);
        QByteArray info = InfoHeader(width, height, 24, 0, 0, int(pixels.size()));
        info.replace(0, 4, QByteArray("\0\0\0\0", 4));
        info[0] = char(header);
        info.append(QByteArray(header - 40, '\0'));
        QByteArray b("BM");
        U32(b, std::uint32_t(14 + header + pixels.size()));
        U32(b, 0);
        U32(b, std::uint32_t(14 + header));
        return b + info + pixels;
    };
    for (const int width : { 1, 2, 3, 4, 5 }) // every row padding
        for (const int height : { 3, -3 })
            for (const int header : { 40, 124 }) {
                const QByteArray file = bmp24(width, height, header);
                WorkingBitmap ours;
                ASSERT_TRUE(ReadBmp(file, ours));
                const QImage qt = QImage::fromData(file, "BMP");
                ASSERT_FALSE(qt.isNull());
                ASSERT_EQ(ours.width(), width);
                ASSERT_EQ(ours.height(), 3);
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < width; ++x) {
                        const QRgb c = qt.pixel(x, y);
                        EXPECT_EQ(At(ours, x, y), (Px { qRed(c), qGreen(c), qBlue(c) }))
                            << width << " x " << height << ", header " << header;
                    }
            }

    // Qt's readers refuse a picture whose 32-bit copy passes their limit; it is read all the same.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // MB
    const QByteArray large = bmp24(700, 700, 40);
    const bool qtRefuses = QImage::fromData(large, "BMP").isNull();
    WorkingBitmap out;
    const bool read = ReadBmp(large, out);
    QImageReader::setAllocationLimit(limit);
    EXPECT_TRUE(qtRefuses);
    EXPECT_TRUE(read);
}

TEST(ReadBmp, IncompleteFilesAreRefused)
{
    const QByteArray good = Bmp(4, 4, 24, {}, QByteArray(48, '\x7f'));
    WorkingBitmap out;
    ASSERT_TRUE(ReadBmp(good, out));
    EXPECT_FALSE(ReadBmp(good.left(good.size() - 1), out));
    QByteArray offsetPastEnd = good;
    offsetPastEnd[10] = char(0xF0);
    EXPECT_FALSE(ReadBmp(offsetPastEnd, out));
    EXPECT_FALSE(ReadBmp(QByteArray("BM"), out));
    EXPECT_FALSE(ReadBmp(QByteArray(), out));

    // Run-length data must paint every pixel: a delta jump leaves pixels unset.
    const QList<QRgb> palette { qRgb(0, 0, 0), qRgb(255, 0, 0) };
    const QByteArray full("\x02\x01\x00\x00\x02\x01\x00\x01", 8); // 2 red, EOL, 2 red, EOB
    const QByteArray delta("\x02\x01\x00\x00\x00\x02\x01\x00\x00\x01", 10);
    ASSERT_TRUE(ReadBmp(Bmp(2, 2, 8, palette, full, 1), out));
    EXPECT_EQ(At(out, 1, 1), (Px { 255, 0, 0 }));
    EXPECT_FALSE(ReadBmp(Bmp(2, 2, 8, palette, delta, 1), out));
}

// An icon entry in BMP form: header with doubled height, 32-bit BGRA rows, then the AND mask.
QByteArray IconImage(int size, QRgb colour)
{
    QByteArray b = InfoHeader(size, size * 2, 32, 0, 0, 0);
    for (int i = 0; i < size * size; ++i)
        b.append(char(qBlue(colour)))
            .append(char(qGreen(colour)))
            .append(char(qRed(colour)))
            .append(char(qAlpha(colour)));
    b.append(QByteArray(((size + 31) / 32) * 4 * size, '\0'));
    return b;
}

TEST(ReadIcon, TakesTheLargestImageOverBlack)
{
    const QByteArray small = IconImage(16, qRgba(255, 0, 0, 255));
    const QByteArray large = IconImage(32, qRgba(0, 255, 0, 128));
    QByteArray ico;
    U16(ico, 0);
    U16(ico, 1);
    U16(ico, 2);
    std::uint32_t offset = 6 + 32;
    for (const QByteArray *image : { &small, &large }) {
        const int size = image == &small ? 16 : 32;
        ico.append(char(size)).append(char(size)).append('\0').append('\0');
        U16(ico, 1);
        U16(ico, 32);
        U32(ico, std::uint32_t(image->size()));
        U32(ico, offset);
        offset += std::uint32_t(image->size());
    }
    ico += small + large;
    WorkingBitmap out;
    ASSERT_TRUE(ReadIcon(ico, out));
    EXPECT_EQ(out.width(), 32);
    EXPECT_EQ(At(out, 5, 5), (Px { 0, 128, 0 }));
    EXPECT_FALSE(ReadIcon(ico.left(20), out));
}

} // namespace
} // namespace pixmaro
