// Tests of the metafile reader, player and writer: round trips, drawing records, hostile files.
#include "imaging/metafile/Metafile.h"

#include "imaging/Picture.h"
#include "imaging/metafile/MetafileWriter.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QPainter>

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace pixmaro::metafile {
namespace {

using test::At;
using test::Px;

WorkingBitmap Noise(int w, int h, unsigned seed)
{
    std::mt19937 random(seed);
    WorkingBitmap raster;
    raster.resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            test::Set(
                raster, x, y, { int(random() % 256), int(random() % 256), int(random() % 256) });
    return raster;
}

WorkingBitmap Played(const Metafile &m, int w, int h)
{
    WorkingBitmap out;
    out.resize(w, h);
    out.fill(255, 255, 255);
    QImage canvas = ImageOver(out);
    QPainter painter(&canvas);
    m.play(painter, QRectF(0, 0, w, h));
    return out;
}

std::uint16_t Word(const QByteArray &b, int at)
{
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

TEST(MetafileWriter, EmfAndWmfRoundTripToIdenticalPixels)
{
    for (const QSize size : { QSize(1, 1), QSize(97, 13), QSize(300, 200), QSize(5, 64) }) {
        const WorkingBitmap raster = Noise(size.width(), size.height(), unsigned(size.width()));
        for (const bool enhanced : { true, false }) {
            const QByteArray bytes = enhanced ? RecordEmf(raster) : RecordWmf(raster);
            Metafile m;
            ASSERT_TRUE(Metafile::Read(bytes, m));
            EXPECT_EQ(m.format(), enhanced ? Format::Emf : Format::Wmf);
            ASSERT_EQ(m.width(), size.width());
            ASSERT_EQ(m.height(), size.height());
            EXPECT_TRUE(test::SamePixels(Played(m, size.width(), size.height()), raster))
                << (enhanced ? "EMF " : "WMF ") << size.width() << "x" << size.height();
        }
    }
}

TEST(MetafileWriter, HeadersCarryTheDescriptionKeyAndChecksum)
{
    const WorkingBitmap raster = Noise(97, 13, 3);
    const QByteArray emf = RecordEmf(raster);
    const QString description
        = QString::fromUtf16(reinterpret_cast<const char16_t *>(emf.constData() + 108), 16);
    EXPECT_EQ(description, QStringLiteral("Quorvant 2000") + QChar(0) + QChar(0) + QChar(0));
    EXPECT_EQ(std::uint32_t(Word(emf, 48) | (Word(emf, 50) << 16)), std::uint32_t(emf.size()));
    EXPECT_EQ(int(std::int32_t(Word(emf, 32) | (Word(emf, 34) << 16))), MulDiv(97, 25400, 960));

    const QByteArray wmf = RecordWmf(raster);
    EXPECT_TRUE(wmf.startsWith("\xD7\xCD\xC6\x9A"));
    int x = 0;
    for (int i = 0; i < 10; ++i)
        x ^= Word(wmf, 2 * i);
    EXPECT_EQ(x, Word(wmf, 20));
    EXPECT_EQ(Word(wmf, 10), MulDiv(MulDiv(97, 25400, 960), 96, 2540)); // right
    EXPECT_EQ(Word(wmf, 14), 96);
}

TEST(MetafileWriter, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(2566, 96, 2540), 97);
    EXPECT_EQ(MulDiv(5, 7, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 2), -1); // beyond 32 bits
}

// Records of a hand-made enhanced metafile: a header sized `w` × `h` pixels at 96 DPI.
class EmfBuilder {
public:
    EmfBuilder(int w, int h)
    {
        record(1,
            { 0, 0, w - 1, h - 1, 0, 0, FrameHundredthsMm(w), FrameHundredthsMm(h), 0x464D4520,
                0x10000, 0, 0, 1, 0, 0, 0, 960, 960, 254, 254 });
    }
    void record(int type, std::initializer_list<int> values)
    {
        append(type);
        append(int(8 + 4 * values.size()));
        for (int v : values)
            append(v);
    }
    QByteArray finish()
    {
        record(14, { 0, 16, 20 });
        return m_bytes;
    }

private:
    void append(int v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.append(char((std::uint32_t(v) >> (8 * i)) & 0xFF));
    }
    QByteArray m_bytes;
};

TEST(MetafilePlayer, DrawingRecordsPaintOnlyWhatTheyCover)
{
    EmfBuilder emf(40, 20);
    emf.record(39, { 1, 0, 0x0000FF, 0 }); // brush 1: solid red
    emf.record(37, { 1 }); // select it
    emf.record(37, { int(0x80000008) }); // NULL_PEN
    emf.record(43, { 0, 0, 20, 10 }); // rectangle over the top-left quarter
    emf.record(15, { 30, 15, 0x00FF00 }); // one green pixel
    emf.record(38, { 2, 0, 0, 0, 0xFF0000 }); // pen 2: blue, cosmetic
    emf.record(37, { 2 });
    emf.record(27, { 0, 19 }); // move to (0, 19)
    emf.record(54, { 39, 19 }); // line along the bottom row
    emf.record(99, { 1, 2, 3 }); // an unknown record is skipped
    Metafile m;
    ASSERT_TRUE(Metafile::Read(emf.finish(), m));
    const WorkingBitmap out = Played(m, 40, 20);
    EXPECT_EQ(At(out, 5, 5), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(out, 25, 5), (Px { 255, 255, 255 }));
    EXPECT_EQ(At(out, 30, 15), (Px { 0, 255, 0 }));
    EXPECT_EQ(At(out, 10, 19), (Px { 0, 0, 255 }));
    EXPECT_EQ(At(out, 10, 15), (Px { 255, 255, 255 }));

    // Played at half size, the vectors are drawn at that size.
    const WorkingBitmap half = Played(m, 20, 10);
    EXPECT_EQ(At(half, 3, 3), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(half, 15, 3), (Px { 255, 255, 255 }));
}

TEST(MetafilePlayer, WmfWithoutPlaceableHeaderTakesItsWindowExtent)
{
    QByteArray b;
    const auto word = [&](int v) {
        b.append(char(v & 0xFF));
        b.append(char((v >> 8) & 0xFF));
    };
    for (int v : { 1, 9, 0x300, 0, 0, 0, 0, 0, 0 })
        word(v);
    const auto record = [&](int function, std::initializer_list<int> params) {
        const int words = 3 + int(params.size());
        word(words);
        word(0);
        word(function);
        for (int v : params)
            word(v);
    };
    record(0x020B, { 100, 100 }); // window origin (100, 100)
    record(0x020C, { 50, 80 }); // extent 80 × 50
    record(0x02FC, { 0, 0x00FF, 0x0000, 0 }); // red solid brush
    record(0x012D, { 0 });
    record(0x041B, { 125, 140, 100, 100 }); // rectangle (100,100)-(140,125): the top-left quarter
    record(0x0000, {});
    Metafile m;
    ASSERT_TRUE(Metafile::Read(b, m));
    EXPECT_EQ(m.width(), 80);
    EXPECT_EQ(m.height(), 50);
    const WorkingBitmap out = Played(m, 80, 50);
    EXPECT_EQ(At(out, 10, 10), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(out, 60, 40), (Px { 255, 255, 255 }));
}

TEST(MetafilePlayer, TextNeedsNoMoreThanADefaultFont)
{
    EmfBuilder emf(60, 30);
    emf.record(24, { 0x000000 }); // black text
    emf.record(18, { 1 }); // transparent background
    // EXTTEXTOUTW "Hi" at (5, 5): bounds, mode, scales, reference, count, offset, options, rect,
    // dx.
    QByteArray text = emf.finish();
    text.chop(20); // take the end record off again
    const int at = int(text.size());
    for (int v : { 84, 80, 0, 0, 59, 29, 1, 0, 0, 5, 5, 2, 76, 0, 0, 0, 0, 0, 0 })
        for (int i = 0; i < 4; ++i)
            text.append(char((std::uint32_t(v) >> (8 * i)) & 0xFF));
    text.append("H\0i\0", 4);
    ASSERT_EQ(text.size() - at, 80);
    for (int v : { 14, 20, 0, 16, 20 })
        for (int i = 0; i < 4; ++i)
            text.append(char((std::uint32_t(v) >> (8 * i)) & 0xFF));
    Metafile m;
    ASSERT_TRUE(Metafile::Read(text, m));
    const WorkingBitmap out = Played(m, 60, 30);
    int dark = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            dark += At(out, x, y).r < 128;
    EXPECT_GT(dark, 5);
}

TEST(MetafilePlayer, HostileFilesNeverCrash)
{
    const QByteArray emf = RecordEmf(Noise(9, 7, 1));
    const QByteArray wmf = RecordWmf(Noise(9, 7, 2));
    std::mt19937 random(5);
    for (const QByteArray &good : { emf, wmf }) {
        for (qsizetype cut = 0; cut < good.size(); ++cut) {
            Metafile m;
            if (Metafile::Read(good.left(cut), m))
                Played(m, 9, 7);
        }
        for (int round = 0; round < 3000; ++round) {
            QByteArray damaged = good;
            for (int k = 0; k < 3; ++k)
                damaged[qsizetype(random() % std::uint32_t(damaged.size()))] = char(random());
            Metafile m;
            if (Metafile::Read(damaged, m) && m.width() * qint64(m.height()) < 100000)
                Played(m, std::min(m.width(), 64), std::min(m.height(), 64));
        }
    }
    // Record sizes of 0, not a multiple of 4, or past the end end the playback.
    for (int size : { 0, 6, 1000 }) {
        EmfBuilder b(10, 10);
        QByteArray bytes = b.finish();
        const QByteArray bad = QByteArray("\x36\x00\x00\x00", 4)
            + QByteArray(reinterpret_cast<const char *>(&size), 4);
        bytes.insert(bytes.size() - 20, bad);
        Metafile m;
        ASSERT_TRUE(Metafile::Read(bytes, m));
        Played(m, 10, 10);
    }
}

// Text records: a font of `pixels` height selected as object 1, then `count` EXTTEXTOUTW records.
void AddText(EmfBuilder &emf, int pixels, int count)
{
    std::initializer_list<int> font
        = { 1, -pixels, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    emf.record(82, font);
    emf.record(37, { 1 });
    for (int i = 0; i < count; ++i)
        emf.record(84,
            { 0, 0, 59, 29, 1, 0, 0, 5, 5, 8, 76, 0, 0, 0, 0, 0, 0, 0x00570057, 0x00570057,
                0x00570057, 0x00570057 });
}

TEST(MetafileReader, PlaybackThatWouldTakeTooLongFailsToLoad)
{
    // Each case is a small file that asks for seconds or minutes of painting.
    struct Case {
        const char *what;
        int size;
        std::function<void(EmfBuilder &)> records;
    };
    const auto fills = [](int side, int count, int brushStyle, int recordType) {
        return [=](EmfBuilder &emf) {
            emf.record(39, { 1, brushStyle, 0x0000FF, 4 });
            emf.record(37, { 1 });
            for (int i = 0; i < count; ++i)
                emf.record(recordType, { 0, 0, side, side });
        };
    };
    const Case cases[] = {
        { "full-frame fills", 16384, fills(16384, 1000, 0, 43) },
        { "ellipses", 4096, fills(4096, 200, 0, 42) },
        { "hatched fills", 4096, fills(4096, 40, 2, 43) },
        { "thin lines", 4096,
            [](EmfBuilder &emf) {
                for (int i = 0; i < 20000; ++i) {
                    emf.record(27, { 0, 0 });
                    emf.record(54, { 4096, 4096 });
                }
            } },
        { "large glyphs", 1024, [](EmfBuilder &emf) { AddText(emf, 400, 1000); } },
    };
    for (const Case &c : cases) {
        EmfBuilder emf(c.size, c.size);
        c.records(emf);
        Metafile m;
        EXPECT_FALSE(Metafile::Read(emf.finish(), m)) << c.what;
        EXPECT_EQ(m.width(), 0) << c.what;
    }
    // The same records in a number a picture may reasonably hold still load.
    const Case fine[] = {
        { "fills", 1024, fills(1024, 100, 0, 43) },
        { "hatched fills", 256, fills(256, 100, 2, 43) },
        { "text", 200, [](EmfBuilder &emf) { AddText(emf, 12, 1000); } },
    };
    for (const Case &c : fine) {
        EmfBuilder emf(c.size, c.size);
        c.records(emf);
        Metafile m;
        EXPECT_TRUE(Metafile::Read(emf.finish(), m)) << c.what;
    }
}

TEST(MetafileReader, WmfPlaybackHasTheSameBudget)
{
    QByteArray b;
    const auto word = [&](int v) {
        b.append(char(v & 0xFF));
        b.append(char((v >> 8) & 0xFF));
    };
    // Placeable header: a 16384 × 16384 box at 96 units per inch.
    word(0xCDD7);
    word(0x9AC6);
    for (int v : { 0, 0, 0, 16384, 16384, 96, 0, 0, 0 })
        word(v);
    for (int v : { 1, 9, 0x300, 0, 0, 0, 0, 0, 0 })
        word(v);
    const auto record = [&](int function, std::initializer_list<int> params) {
        word(3 + int(params.size()));
        word(0);
        word(function);
        for (int v : params)
            word(v);
    };
    record(0x020C, { 16384, 16384 });
    for (int i = 0; i < 200; ++i)
        record(0x041B, { 16384, 16384, 0, 0 });
    record(0x0000, {});
    Metafile m;
    EXPECT_FALSE(Metafile::Read(b, m));
}

TEST(MetafilePlayer, ACancelFlagStopsLoadingAndPlaying)
{
    const QByteArray bytes = RecordEmf(Noise(8, 8, 4));
    std::atomic<bool> cancel { true };
    Metafile m;
    EXPECT_FALSE(Metafile::Read(bytes, m, &cancel));
    cancel = false;
    ASSERT_TRUE(Metafile::Read(bytes, m, &cancel));
    cancel = true;
    WorkingBitmap out;
    out.resize(8, 8);
    out.fill(255, 255, 255);
    QImage canvas = ImageOver(out);
    QPainter painter(&canvas);
    EXPECT_FALSE(m.play(painter, QRectF(0, 0, 8, 8), &cancel));
    painter.end();
    EXPECT_EQ(At(out, 3, 3), (Px { 255, 255, 255 })); // nothing painted
    cancel = false;
    QPainter again(&canvas);
    EXPECT_TRUE(m.play(again, QRectF(0, 0, 8, 8), &cancel));
}

} // namespace
} // namespace pixmaro::metafile
