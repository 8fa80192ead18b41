// Tests of JPEG decoding against djpeg's output, and of the files libjpeg must not be trusted with.
#include "imaging/JpegDecoder.h"

#include "support/JpegFiles.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace pixmaro {
namespace {

using test::At;
using test::Px;

using test::Data;

bool Decode(const QByteArray &bytes, WorkingBitmap &out)
{
    return DecodeJpeg(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()), out);
}

TEST(JpegDecoder, MatchesDjpegForBaselineProgressiveAndGrey)
{
    const struct {
        const char *jpeg, *reference;
    } files[] = { { "baseline-61x47.jpg", "baseline-61x47.djpeg.ppm" },
        { "progressive-61x47.jpg", "progressive-61x47.djpeg.ppm" },
        { "grey-61x47.jpg", "grey-61x47.djpeg-236fs.pgm" } };
    for (const auto &file : files) {
        WorkingBitmap decoded;
        ASSERT_TRUE(Decode(Data(file.jpeg), decoded)) << file.jpeg;
        const WorkingBitmap reference
            = test::ReadPnm(QStringLiteral(PIXMARO_TEST_DATA "/") + file.reference);
        ASSERT_EQ(reference.width(), 61);
        EXPECT_TRUE(test::SamePixels(decoded, reference)) << file.jpeg;
    }
}

// Writes a small JPEG with libjpeg: `components` 1 or 4 (CMYK with an Adobe marker), or a grey
// progressive file with `scans` scans when `scans` > 0.
QByteArray MakeJpeg(int width, int height, int components,
    const std::vector<jpeg_scan_info> &script,
    const std::function<std::vector<JSAMPLE>(int y)> &row)
{
    return test::CompressJpeg(
        width, height, components, components == 4 ? JCS_CMYK : JCS_GRAYSCALE, 95,
        [&](jpeg_compress_struct &info) {
            if (!script.empty()) {
                info.scan_info = script.data();
                info.num_scans = int(script.size());
            }
        },
        [&](int y, std::vector<JSAMPLE> &samples) { samples = row(y); });
}

TEST(JpegDecoder, AdobeCmykIsConvertedWithInvertedInks)
{
    // Adobe files store 255 - ink: stored (R, G, B, 255) is a colour without black ink.
    const QByteArray cmyk = MakeJpeg(16, 16, 4, {}, [](int y) {
        std::vector<JSAMPLE> r;
        for (int x = 0; x < 16; ++x)
            r.insert(r.end(), { JSAMPLE(y < 8 ? 250 : 20), 128, JSAMPLE(x < 8 ? 10 : 240), 255 });
        return r;
    });
    WorkingBitmap out;
    ASSERT_TRUE(Decode(cmyk, out));
    const Px topLeft = At(out, 2, 2), bottomRight = At(out, 13, 13);
    EXPECT_NEAR(topLeft.r, 250, 4);
    EXPECT_NEAR(topLeft.g, 128, 4);
    EXPECT_NEAR(topLeft.b, 10, 4);
    EXPECT_NEAR(bottomRight.r, 20, 4);
    EXPECT_NEAR(bottomRight.b, 240, 4);
}

TEST(JpegDecoder, GreyComesOutGreyWithEvenlySpacedLevels)
{
    const QByteArray grey = MakeJpeg(64, 8, 1, {}, [](int) {
        std::vector<JSAMPLE> r;
        for (int x = 0; x < 64; ++x)
            r.push_back(JSAMPLE(x * 4));
        return r;
    });
    WorkingBitmap out;
    ASSERT_TRUE(Decode(grey, out));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const Px p = At(out, x, y);
            ASSERT_TRUE(p.r == p.g && p.g == p.b);
            // 236 levels: level i is round(i × 255 / 235).
            const int level = int(std::lround(p.r * 235.0 / 255));
            EXPECT_EQ(p.r, int((level * 255 + 117) / 235));
        }
}

TEST(JpegDecoder, TooManyScansIsRefused)
{
    std::vector<jpeg_scan_info> script;
    script.push_back({ 1, { 0 }, 0, 0, 0, 2 });
    script.push_back({ 1, { 0 }, 0, 0, 2, 1 });
    script.push_back({ 1, { 0 }, 0, 0, 1, 0 });
    for (int k = 1; k < 64; ++k)
        script.push_back({ 1, { 0 }, k, k, 0, 1 });
    for (int k = 1; k < 64; ++k)
        script.push_back({ 1, { 0 }, k, k, 1, 0 });
    ASSERT_GT(script.size(), std::size_t(kMaxJpegScans));
    const QByteArray many = MakeJpeg(
        16, 16, 1, script, [](int y) { return std::vector<JSAMPLE>(16, JSAMPLE(y * 9)); });
    WorkingBitmap out;
    EXPECT_FALSE(Decode(many, out));
    EXPECT_TRUE(out.isEmpty());
}

TEST(JpegDecoder, HostileFilesFailOrDecodeWithoutHarm)
{
    const QByteArray good = Data("baseline-61x47.jpg");
    WorkingBitmap out;
    EXPECT_FALSE(Decode(QByteArray(), out));
    EXPECT_FALSE(Decode("not a jpeg at all", out));

    // A header claiming 65500 × 65500 is refused before any decoding.
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (int i : { 5, 7 }) {
        huge[sof + i] = char(0xFF);
        huge[sof + i + 1] = char(0xDC);
    }
    EXPECT_FALSE(Decode(huge, out));

    // Every truncation either fails or gives a full-size picture; none crashes.
    for (qsizetype cut = 0; cut < good.size(); cut += 7) {
        WorkingBitmap partial;
        if (Decode(good.left(cut), partial)) {
            EXPECT_EQ(partial.width(), 61);
            EXPECT_EQ(partial.height(), 47);
        }
    }
}

} // namespace
} // namespace pixmaro
