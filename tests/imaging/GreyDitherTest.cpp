// The grey dithering against libjpeg's own one-pass quantiser, pixel for pixel.
#include "imaging/GreyDither.h"

#include "support/JpegFiles.h"

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <stdexcept>

namespace pixmaro {
namespace {

// Decodes a grey JPEG with libjpeg, dithered by libjpeg to `levels` greys when `levels` > 0,
// else plain; the rows as grey values.
std::vector<std::vector<std::uint8_t>> DecodeGrey(const QByteArray &jpeg, int levels)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(jpeg.constData()),
        static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_GRAYSCALE;
    if (levels > 0) {
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = levels;
        info.dither_mode = JDITHER_FS;
    }
    jpeg_start_decompress(&info);
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<JSAMPLE> row(info.output_width);
    while (info.output_scanline < info.output_height) {
        JSAMPROW p = row.data();
        jpeg_read_scanlines(&info, &p, 1);
        if (levels > 0) {
            for (JSAMPLE &sample : row)
                sample = info.colormap[0][sample];
        }
        rows.emplace_back(row.begin(), row.end());
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return rows;
}

TEST(GreyDither, EqualsLibjpegsQuantiserForEveryWidthAndLevelCount)
{
    const struct {
        int width, height, levels;
    } cases[] = { { 1, 9, 236 }, { 2, 5, 236 }, { 3, 8, 236 }, { 61, 47, 236 }, { 300, 40, 236 },
        { 97, 33, 129 }, { 97, 33, 200 }, { 97, 33, 256 } };
    for (const auto &c : cases) {
        // Noise over a ramp, with runs of black and white where the sum is clamped.
        std::uint32_t seed = 12345u + std::uint32_t(c.width);
        const QByteArray jpeg = test::CompressJpeg(
            c.width, c.height, 1, JCS_GRAYSCALE, 97, {}, [&](int y, std::vector<JSAMPLE> &samples) {
                for (int x = 0; x < c.width; ++x) {
                    seed = seed * 1103515245u + 12345u;
                    const int noise = int(seed >> 27) - 16;
                    const int ramp = (x * 255) / std::max(1, c.width - 1);
                    const int v = y % 7 == 3 ? 0 : y % 7 == 5 ? 255 : ramp + noise;
                    samples[std::size_t(x)] = JSAMPLE(std::clamp(v, 0, 255));
                }
            });
        const auto expected = DecodeGrey(jpeg, c.levels);
        auto rows = DecodeGrey(jpeg, 0);
        GreyDither dither(c.width, c.levels);
        for (auto &row : rows)
            dither.apply(row.data());
        EXPECT_EQ(rows, expected) << c.width << " x " << c.height << ", " << c.levels << " levels";
    }
}

TEST(GreyDither, RefusesLevelsFartherThanTwoApartAndEmptyRows)
{
    EXPECT_THROW(GreyDither(10, 128), std::invalid_argument);
    EXPECT_THROW(GreyDither(0, 236), std::invalid_argument);
    EXPECT_NO_THROW(GreyDither(1, 129));
}

} // namespace
} // namespace pixmaro
