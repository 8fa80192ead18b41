// Tests of the GIF module's LZW codec and decoder, hostile files included.
#include "imaging/gif/GifCompose.h"
#include "imaging/gif/GifDecoder.h"
#include "imaging/gif/GifWriter.h"
#include "imaging/gif/Lzw.h"
#include "support/Rasters.h"

#include <gtest/gtest.h>
#include <random>

namespace pixmaro::gif {
namespace {

using test::At;
using test::Px;

struct FrameSpec {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indexes; // in file order (interlaced order when interlaced)
    std::vector<Rgb> local;
    int transparent = -1;
    bool interlaced = false;
    int disposal = 0;
    int minCodeSize = 2;
    std::vector<std::uint8_t> rawData; // LZW data to use instead of encoding `indexes`
};

void U16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void Table(QByteArray &b, const std::vector<Rgb> &colors)
{
    for (const Rgb &c : colors)
        b.append(char(c.red)).append(char(c.green)).append(char(c.blue));
}

int SizeBits(std::size_t n)
{
    int bits = 1;
    while ((std::size_t(1) << bits) < n)
        ++bits;
    return bits;
}

QByteArray BuildGif(
    int w, int h, const std::vector<Rgb> &global, const std::vector<FrameSpec> &frames)
{
    QByteArray b("GIF89a");
    U16(b, w);
    U16(b, h);
    b.append(char(global.empty() ? 0 : 0x80 | (SizeBits(global.size()) - 1)));
    b.append('\0').append('\0');
    Table(b, global);
    b.append("\x21\xFE\x05hello\x00", 9); // a comment, skipped
    for (const FrameSpec &f : frames) {
        b.append("\x21\xF9\x04", 3);
        b.append(char((f.disposal << 2) | (f.transparent >= 0 ? 1 : 0)));
        U16(b, 10);
        b.append(char(f.transparent >= 0 ? f.transparent : 0)).append('\0');
        b.append(',');
        U16(b, f.left);
        U16(b, f.top);
        U16(b, f.width);
        U16(b, f.height);
        b.append(char((f.local.empty() ? 0 : 0x80 | (SizeBits(f.local.size()) - 1))
            | (f.interlaced ? 0x40 : 0)));
        Table(b, f.local);
        b.append(char(f.minCodeSize));
        const std::vector<std::uint8_t> data = f.rawData.empty()
            ? LzwEncode(f.indexes.data(), f.indexes.size(), f.minCodeSize)
            : f.rawData;
        AppendSubBlocks(b, data);
    }
    b.append(';');
    return b;
}

bool Decode(const QByteArray &b, GifFile &file, bool first = false)
{
    return DecodeGif(
        reinterpret_cast<const std::uint8_t *>(b.constData()), std::size_t(b.size()), file, first);
}

const std::vector<Rgb> kFour { { 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 }, { 0, 0, 0 } };

TEST(Lzw, RoundTripsForEveryCodeSize)
{
    std::mt19937 random(7);
    for (int bits = 2; bits <= 8; ++bits) {
        for (std::size_t count :
            { std::size_t(0), std::size_t(1), std::size_t(5000), std::size_t(70000) }) {
            std::vector<std::uint8_t> pixels(count);
            // Runs and noise, so the table fills and clears several times.
            for (std::size_t i = 0; i < count; ++i)
                pixels[i] = std::uint8_t((i / 37 % 3 == 0 ? random() : i / 11) % (1u << bits));
            const std::vector<std::uint8_t> data = LzwEncode(pixels.data(), count, bits);
            EXPECT_EQ(LzwDecode(data.data(), data.size(), bits, count + 10), pixels)
                << bits << " bits, " << count;
        }
    }
}

TEST(Lzw, MinimumCodeSizeOneAndCorruptCodes)
{
    // Code size 1: clear = 2, end = 3; codes stay 2 bits wide until the table reaches 8.
    // Stream: clear, 1, 0, 1, 0, 1 (four entries added: 4 to 7), then the end code in 3 bits.
    std::uint32_t bits = 0;
    int n = 0;
    const auto put = [&](int code, int width) {
        bits |= std::uint32_t(code) << n;
        n += width;
    };
    put(2, 2);
    for (int code : { 1, 0, 1, 0, 1 })
        put(code, 2);
    put(3, 3);
    const std::vector<std::uint8_t> data { std::uint8_t(bits), std::uint8_t(bits >> 8) };
    EXPECT_EQ(
        LzwDecode(data.data(), data.size(), 1, 100), (std::vector<std::uint8_t> { 1, 0, 1, 0, 1 }));

    // A flood of clear codes that produces nothing ends the decode.
    bits = 0;
    n = 0;
    std::vector<std::uint8_t> clears;
    for (int i = 0; i < 40; ++i) {
        put(4, 3);
        if (n >= 24) {
            for (; n >= 8; n -= 8, bits >>= 8)
                clears.push_back(std::uint8_t(bits));
        }
    }
    put(1, 3);
    put(1, 3);
    for (; n > 0; n -= 8, bits >>= 8)
        clears.push_back(std::uint8_t(bits));
    EXPECT_TRUE(LzwDecode(clears.data(), clears.size(), 2, 100).empty());

    // But encoders that keep codes short clear after every few indexes, even after each one.
    bits = 0;
    n = 0;
    std::vector<std::uint8_t> frequent;
    std::vector<std::uint8_t> expected;
    for (int i = 0; i < 200; ++i) {
        put(4, 3);
        put(i % 4, 3);
        expected.push_back(std::uint8_t(i % 4));
        for (; n >= 8; n -= 8, bits >>= 8)
            frequent.push_back(std::uint8_t(bits));
    }
    put(5, 3);
    for (; n > 0; n -= 8, bits >>= 8)
        frequent.push_back(std::uint8_t(bits));
    EXPECT_EQ(LzwDecode(frequent.data(), frequent.size(), 2, 1000), expected);

    // A code beyond the table ends the decode, keeping what came before.
    bits = 0;
    n = 0;
    put(4, 3); // clear for code size 2
    put(1, 3);
    put(7, 3); // table holds only up to 6
    put(1, 3);
    const std::vector<std::uint8_t> bad { std::uint8_t(bits), std::uint8_t(bits >> 8) };
    EXPECT_EQ(LzwDecode(bad.data(), bad.size(), 2, 100), (std::vector<std::uint8_t> { 1 }));
    EXPECT_TRUE(LzwDecode(bad.data(), bad.size(), 0, 100).empty());
    EXPECT_TRUE(LzwDecode(bad.data(), bad.size(), 9, 100).empty());
}

TEST(Lzw, AFullTableWithoutAClearKeepsTwelveBitCodes)
{
    // Literal codes only, never a clear after the first: the table fills at 4096 entries and
    // every later code stays 12 bits wide (a "deferred clear").
    std::vector<std::uint8_t> data;
    std::uint64_t bits = 0;
    int count = 0;
    const auto put = [&](int code, int width) {
        bits |= std::uint64_t(code) << count;
        count += width;
        while (count >= 8) {
            data.push_back(std::uint8_t(bits));
            bits >>= 8;
            count -= 8;
        }
    };
    int width = 9, next = 258;
    put(256, width);
    std::vector<std::uint8_t> expected;
    for (int i = 0; i < 5000; ++i) {
        const int literal = (i * 31) & 0xFF;
        put(literal, width);
        expected.push_back(std::uint8_t(literal));
        if (i > 0 && next < kMaxLzwCodes) {
            ++next;
            if (next == (1 << width) && width < 12)
                ++width;
        }
    }
    put(257, width);
    put(0, 8);
    EXPECT_EQ(width, 12);
    EXPECT_EQ(LzwDecode(data.data(), data.size(), 8, 100000), expected);
}

TEST(GifDecoder, TransparencyInterlaceAndLocalTables)
{
    FrameSpec frame;
    frame.width = 3;
    frame.height = 5;
    frame.interlaced = true;
    frame.transparent = 3;
    frame.local = kFour;
    // File order of interlaced rows: 0, 4, 2, 1, 3. Row r holds index r % 4 (3 is transparent).
    for (int row : { 0, 4, 2, 1, 3 })
        for (int x = 0; x < 3; ++x)
            frame.indexes.push_back(std::uint8_t(row % 4));
    const QByteArray bytes = BuildGif(4, 6, { { 9, 9, 9 }, { 8, 8, 8 } }, { frame });
    GifFile file;
    ASSERT_TRUE(Decode(bytes, file));
    WorkingBitmap out;
    DrawFirstFrameOnWhite(file, out);
    ASSERT_EQ(out.width(), 4);
    ASSERT_EQ(out.height(), 6);
    EXPECT_EQ(At(out, 0, 0), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(out, 1, 1), (Px { 0, 255, 0 }));
    EXPECT_EQ(At(out, 2, 2), (Px { 0, 0, 255 }));
    EXPECT_EQ(At(out, 0, 3), (Px { 255, 255, 255 })); // transparent
    EXPECT_EQ(At(out, 0, 4), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(out, 3, 0), (Px { 255, 255, 255 })); // outside the frame
    EXPECT_EQ(At(out, 0, 5), (Px { 255, 255, 255 }));
}

TEST(GifDecoder, FramesAreClippedAndAnimationsComposeWithDisposal)
{
    FrameSpec first;
    first.width = 2;
    first.height = 2;
    first.indexes = { 0, 0, 0, 0 };
    first.disposal = 2; // restore to background
    FrameSpec second;
    second.left = 1;
    second.top = 1;
    second.width = 5; // reaches past the 2 × 2 screen
    second.height = 5;
    second.indexes.assign(25, 1);
    const QByteArray bytes = BuildGif(2, 2, kFour, { first, second });

    GifFile firstOnly;
    ASSERT_TRUE(Decode(bytes, firstOnly, true));
    EXPECT_EQ(firstOnly.frames.size(), 1u);

    GifFile all;
    ASSERT_TRUE(Decode(bytes, all));
    ASSERT_EQ(all.frames.size(), 2u);
    EXPECT_EQ(all.frames[1].width, 1);
    EXPECT_EQ(all.frames[1].height, 1);
    std::vector<QImage> shown;
    ComposeFrames(all, [&](const QImage &screen, int delay) {
        EXPECT_EQ(delay, 100);
        shown.push_back(screen.copy());
        return true;
    });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(shown[1].pixel(0, 0)), 0); // disposed to the (transparent) background
    EXPECT_EQ(shown[1].pixel(1, 1), qRgb(0, 255, 0));
}

TEST(GifDecoder, RestorePreviousBringsBackWhatTheFrameCovered)
{
    FrameSpec base;
    base.width = 3;
    base.height = 2;
    base.indexes.assign(6, 0); // red, kept
    base.disposal = 1;
    FrameSpec over;
    over.left = 1;
    over.width = 2;
    over.height = 1;
    over.indexes = { 1, 1 }; // green, then restored
    over.disposal = 3;
    FrameSpec last;
    last.top = 1;
    last.width = 1;
    last.height = 1;
    last.indexes = { 2 }; // blue
    GifFile file;
    ASSERT_TRUE(Decode(BuildGif(3, 2, kFour, { base, over, last }), file));
    std::vector<QImage> shown;
    ComposeFrames(file, [&](const QImage &screen, int) {
        shown.push_back(screen);
        return true;
    });
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(shown[2].pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown[2].pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown[2].pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(shown[0].pixel(0, 1), qRgb(255, 0, 0)); // a screen handed out is never changed later
}

TEST(GifDecoder, HostileFilesNeverCrash)
{
    FrameSpec frame;
    frame.width = 40;
    frame.height = 30;
    for (int i = 0; i < 1200; ++i)
        frame.indexes.push_back(std::uint8_t(i % 4));
    const QByteArray good = BuildGif(40, 30, kFour, { frame });
    GifFile file;
    ASSERT_TRUE(Decode(good, file));

    // A truncated image keeps what was decoded; the rest is not painted (white).
    for (qsizetype cut = 0; cut <= good.size(); ++cut) {
        GifFile partial;
        if (Decode(good.left(cut), partial)) {
            WorkingBitmap out;
            DrawFirstFrameOnWhite(partial, out);
            EXPECT_EQ(out.width(), 40);
        }
    }
    QByteArray zeroScreen = good;
    zeroScreen[6] = zeroScreen[7] = 0;
    EXPECT_FALSE(Decode(zeroScreen, file));
    QByteArray wrongMagic = good;
    wrongMagic[4] = '8';
    EXPECT_FALSE(Decode(wrongMagic, file));
    EXPECT_FALSE(Decode(QByteArray("GIF89a"), file));

    // Random damage anywhere.
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = good;
        for (int k = 0; k < 4; ++k)
            damaged[qsizetype(random() % std::uint32_t(damaged.size()))] = char(random());
        GifFile any;
        if (Decode(damaged, any)) {
            WorkingBitmap out;
            DrawFirstFrameOnWhite(any, out);
        }
    }
}

TEST(GifDecoder, DecodingStraightOntoTheScreenMatchesDrawingTheDecodedFrame)
{
    // Interlaced, clipped by the screen, transparent, with a local table; then damaged.
    FrameSpec frame;
    frame.left = 3;
    frame.top = 2;
    frame.width = 9;
    frame.height = 11;
    frame.interlaced = true;
    frame.transparent = 2;
    frame.local = kFour;
    for (int i = 0; i < 99; ++i)
        frame.indexes.push_back(std::uint8_t((i * 7 / 5) % 4));
    const QByteArray good = BuildGif(8, 9, { { 9, 9, 9 }, { 8, 8, 8 } }, { frame });
    std::mt19937 random(3);
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes = good;
        if (round > 0) {
            for (int k = 0; k < 3; ++k)
                bytes[qsizetype(random() % std::uint32_t(bytes.size()))] = char(random());
            if (round % 3 == 0)
                bytes.truncate(qsizetype(random() % std::uint32_t(bytes.size())));
        }
        GifFile file;
        const bool decoded = Decode(bytes, file, true);
        WorkingBitmap direct;
        const bool streamed
            = DecodeFirstFrameOnWhite(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                std::size_t(bytes.size()), direct);
        ASSERT_EQ(streamed, decoded) << round;
        ASSERT_TRUE(decoded || round > 0);
        if (!decoded)
            continue;
        WorkingBitmap drawn;
        DrawFirstFrameOnWhite(file, drawn);
        ASSERT_TRUE(test::SamePixels(direct, drawn)) << round;
    }
}

TEST(GifDecoder, FilesThatClaimMoreThanAPictureMayHoldAreUnreadable)
{
    const std::vector<std::uint8_t> empty = LzwEncode(nullptr, 0, 2);
    const auto frame = [&](int w, int h, int minCodeSize = 2) {
        FrameSpec f;
        f.width = w;
        f.height = h;
        f.minCodeSize = minCodeSize;
        f.rawData = empty.empty() ? std::vector<std::uint8_t> { 4 } : empty;
        return f;
    };
    struct Case {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        // 65,535 × 65,535 is beyond the 2^28 pixels a picture may have, whatever the screen.
        { "huge frame", BuildGif(16, 16, kFour, { frame(65535, 65535) }) },
        { "code size 0", BuildGif(16, 16, kFour, { frame(4, 4, 0) }) },
        { "code size 9", BuildGif(16, 16, kFour, { frame(4, 4, 9) }) },
        { "code size 12", BuildGif(16, 16, kFour, { frame(4, 4, 12) }) },
        // Two full-screen frames of a 16,384 × 16,384 screen hold 2^29 pixels.
        { "frames beyond the limit",
            BuildGif(16384, 16384, kFour, { frame(16384, 16384), frame(16384, 16384) }) },
    };
    for (const Case &c : cases) {
        GifFile file;
        EXPECT_FALSE(Decode(c.bytes, file)) << c.what;
        EXPECT_TRUE(file.frames.empty()) << c.what;
    }
    // The first frame alone is within the limits; code size 1 is read as browsers read it.
    GifFile file;
    EXPECT_TRUE(Decode(cases[4].bytes, file, true));
    FrameSpec one = frame(2, 1, 1);
    one.rawData.clear();
    one.indexes = { 1, 0 };
    one.rawData = { 0xC6, 0x00 }; // clear (2), 1, 0, end (3), each 2 bits wide
    ASSERT_TRUE(Decode(BuildGif(2, 1, kFour, { one }), file));
    EXPECT_EQ(file.frames[0].indexes, (std::vector<std::uint8_t> { 1, 0 }));
}

TEST(GifDecoder, DecodesOnlyTheRowsOnTheScreenUnlessCancelled)
{
    // A frame far larger than its 4 × 3 screen, whose data is a flood of clear codes after the
    // first visible rows: only the visible rows are decoded.
    FrameSpec big;
    big.width = 16000;
    big.height = 16000;
    std::vector<std::uint8_t> rows(16000 * 3, 1);
    big.rawData = LzwEncode(rows.data(), rows.size(), 2);
    GifFile file;
    ASSERT_TRUE(Decode(BuildGif(4, 3, kFour, { big }), file));
    EXPECT_EQ(file.frames[0].indexes, std::vector<std::uint8_t>(12, 1));
    EXPECT_TRUE(file.frames[0].paintedColumns.empty());

    // A set cancel flag ends any decode.
    const QByteArray bytes = BuildGif(4, 3, kFour, { big });
    const std::atomic<bool> cancel { true };
    WorkingBitmap out;
    EXPECT_FALSE(DecodeGif(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        std::size_t(bytes.size()), file, true, &cancel));
    EXPECT_FALSE(DecodeFirstFrameOnWhite(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        std::size_t(bytes.size()), out, &cancel));
}

} // namespace
} // namespace pixmaro::gif
