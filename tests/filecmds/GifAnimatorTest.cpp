// Tests of the GIF frame stepper: disposal, delays, loop counts and the memory it holds.
#include "imaging/gif/GifAnimator.h"

#include "imaging/gif/Lzw.h"

#include <gtest/gtest.h>

namespace pixmaro::gif {
namespace {

struct FrameSpec {
    int left, top, width, height;
    std::uint8_t index; // every pixel
    int disposal = 0;
    int delay = 10;
    int transparent = -1;
};

void U16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

// Global colours: 0 red, 1 green, 2 blue, 3 black.
QByteArray BuildGif(int w, int h, const std::vector<FrameSpec> &frames, int loopCount = -1)
{
    QByteArray b("GIF89a");
    U16(b, w);
    U16(b, h);
    b.append(char(0x81)).append('\0').append('\0');
    b.append("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\x00\x00\x00", 12);
    if (loopCount >= 0) {
        b.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        U16(b, loopCount);
        b.append('\0');
    }
    for (const FrameSpec &f : frames) {
        b.append("\x21\xF9\x04", 3);
        b.append(char((f.disposal << 2) | (f.transparent >= 0 ? 1 : 0)));
        U16(b, f.delay);
        b.append(char(f.transparent >= 0 ? f.transparent : 0)).append('\0');
        b.append(char(0x2C));
        U16(b, f.left);
        U16(b, f.top);
        U16(b, f.width);
        U16(b, f.height);
        b.append('\0');
        b.append(char(2));
        const std::vector<std::uint8_t> pixels(std::size_t(f.width * f.height), f.index);
        const std::vector<std::uint8_t> data = LzwEncode(pixels.data(), pixels.size(), 2);
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, data.size() - at);
            b.append(char(n)).append(
                reinterpret_cast<const char *>(data.data() + at), qsizetype(n));
        }
        b.append('\0');
    }
    b.append(char(0x3B));
    return b;
}

// The screen's row 0 as letters: R, G, B, K (black) or . (transparent).
std::string Row(const QImage &screen)
{
    std::string row;
    for (int x = 0; x < screen.width(); ++x) {
        const QRgb p = screen.pixel(x, 0);
        if (qAlpha(p) == 0)
            row += '.';
        else if (p == qRgb(255, 0, 0))
            row += 'R';
        else if (p == qRgb(0, 255, 0))
            row += 'G';
        else if (p == qRgb(0, 0, 255))
            row += 'B';
        else if (p == qRgb(0, 0, 0))
            row += 'K';
        else
            row += '?';
    }
    return row;
}

TEST(GifAnimator, HonoursEachDisposalAndStartsEveryPlayClear)
{
    const QByteArray file = BuildGif(4, 1,
        {
            { 0, 0, 4, 1, 0, 1 }, // red everywhere, kept
            { 1, 0, 1, 1, 1, 2 }, // green at 1, then back to the background
            { 2, 0, 1, 1, 2, 3 }, // blue at 2, then the screen as it was before it
            { 3, 0, 1, 1, 3, 0, 10, 3 }, // a transparent pixel: nothing drawn
            { 3, 0, 1, 1, 1, 0 }, // green at 3
        },
        0);
    GifAnimator animator;
    ASSERT_TRUE(animator.open(file));
    EXPECT_EQ(animator.frameCount(), 5);
    const std::vector<std::string> expected
        = { "RRRR", "RGRR", "R.BR", "R.RR", "R.RG", "RRRR", "RGRR" };
    for (std::size_t step = 0; step < expected.size(); ++step) {
        if (step > 0) {
            ASSERT_TRUE(animator.advance());
        }
        EXPECT_EQ(Row(animator.screen()), expected[step]) << "step " << step;
        EXPECT_EQ(animator.frameIndex(), int(step % 5));
    }
}

TEST(GifAnimator, VeryShortDelaysWaitAsInABrowser)
{
    const QByteArray file = BuildGif(1, 1,
        { { 0, 0, 1, 1, 0, 0, 0 }, { 0, 0, 1, 1, 1, 0, 1 }, { 0, 0, 1, 1, 2, 0, 2 },
            { 0, 0, 1, 1, 0, 0, 50 } });
    GifAnimator animator;
    ASSERT_TRUE(animator.open(file));
    std::vector<int> delays { animator.delayMs() };
    while (animator.advance())
        delays.push_back(animator.delayMs());
    EXPECT_EQ(delays, (std::vector<int> { 100, 100, 20, 500 }));
}

TEST(GifAnimator, PlaysAsOftenAsTheFileSays)
{
    const std::vector<FrameSpec> frames = { { 0, 0, 1, 1, 0 }, { 0, 0, 1, 1, 1 } };
    const struct {
        int loopCount;
        int plays;
        int advances; // -1: still going after many
    } rows[] = { { -1, 1, 1 }, { 1, 2, 3 }, { 3, 4, 7 }, { 0, 0, -1 } };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.loopCount);
        const QByteArray file = BuildGif(1, 1, frames, row.loopCount);
        EXPECT_EQ(GifAnimator::LoopCount(file), row.loopCount);
        GifAnimator animator;
        ASSERT_TRUE(animator.open(file));
        EXPECT_EQ(animator.plays(), row.plays);
        int advances = 0;
        while (advances < 1000 && animator.advance())
            ++advances;
        EXPECT_EQ(advances, row.advances < 0 ? 1000 : row.advances);
        if (row.advances >= 0) {
            EXPECT_EQ(animator.frameIndex(), 1); // stays on the last frame
        }
    }
}

TEST(GifAnimator, HoldsTheSameMemoryWhateverTheNumberOfFrames)
{
    std::vector<FrameSpec> frames;
    for (int i = 0; i < 300; ++i)
        frames.push_back({ i % 32, 0, 32, 64, std::uint8_t(i % 3), 3 });
    GifAnimator animator;
    ASSERT_TRUE(animator.open(BuildGif(64, 64, frames)));
    const std::size_t screen = 64 * 64 * 4;
    std::size_t most = animator.heldBytes();
    int shown = 1;
    while (animator.advance()) {
        most = std::max(most, animator.heldBytes());
        ++shown;
    }
    EXPECT_EQ(shown, 300);
    EXPECT_LE(most, 2 * screen + 300 * 16);
}

TEST(GifAnimator, DamagedOrForeignFiles)
{
    GifAnimator animator;
    EXPECT_FALSE(animator.open(QByteArray("not a picture")));
    EXPECT_FALSE(animator.open(QByteArray()));
    EXPECT_TRUE(animator.isEmpty());

    // Cut off inside the third frame: the frames before it and the part that is there show.
    const QByteArray whole
        = BuildGif(2, 1, { { 0, 0, 2, 1, 0 }, { 0, 0, 2, 1, 1 }, { 0, 0, 2, 1, 2 } });
    ASSERT_TRUE(animator.open(whole.left(whole.size() - 4)));
    EXPECT_EQ(animator.frameCount(), 3);
    while (animator.advance()) { }
    EXPECT_EQ(animator.plays(), 1);

    // A single frame does not animate.
    ASSERT_TRUE(animator.open(BuildGif(1, 1, { { 0, 0, 1, 1, 2 } }, 0)));
    EXPECT_FALSE(animator.isAnimated());
    EXPECT_FALSE(animator.advance());
    EXPECT_EQ(Row(animator.screen()), "B");
}

} // namespace
} // namespace pixmaro::gif
