// Tests of decoding only some rows of a JPEG: each kept row is the row a full decode gives, for
// every sampling, restart interval, odd size and kind of file; and of streaming JPEGs from files.
#include "imaging/JpegDecoder.h"
#include "imaging/Picture.h"
#include "imaging/Resample.h"
#include "support/JpegFiles.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <random>
#include <sys/resource.h>

namespace pixmaro {
namespace {

struct Kind {
    const char *name;
    int width, height;
    int components; // 1 grey, 3 colour, 4 CMYK
    int h0, v0; // sampling of the first component (colour only)
    int restartRows; // restart interval in MCU rows, 0 for none
    bool progressive;
};

void PrintTo(const Kind &k, std::ostream *os)
{
    *os << k.name;
}

// A picture with detail everywhere, so that a wrong row or a wrong upsampling context shows.
JSAMPLE Sample(int x, int y, int c)
{
    return JSAMPLE((x * (7 + 3 * c) + y * (13 - 2 * c) + ((x ^ y) & 15) * 9 + (x * y) % 31) & 0xFF);
}

QByteArray MakeJpeg(const Kind &k)
{
    const J_COLOR_SPACE space = k.components == 1 ? JCS_GRAYSCALE
        : k.components == 4                       ? JCS_CMYK
                                                  : JCS_RGB;
    return test::CompressJpeg(
        k.width, k.height, k.components, space, 90,
        [&](jpeg_compress_struct &info) {
            if (k.components == 3) {
                info.comp_info[0].h_samp_factor = k.h0;
                info.comp_info[0].v_samp_factor = k.v0;
            }
            info.restart_in_rows = k.restartRows;
            if (k.progressive)
                jpeg_simple_progression(&info);
        },
        [&](int y, std::vector<JSAMPLE> &row) {
            for (int x = 0; x < k.width; ++x)
                for (int c = 0; c < k.components; ++c)
                    row[std::size_t(x * k.components + c)] = Sample(x, y, c);
        });
}

const Kind kKinds[] = {
    { "colour_420_odd", 61, 47, 3, 2, 2, 0, false },
    { "colour_422", 64, 40, 3, 2, 1, 0, false },
    { "colour_444", 33, 29, 3, 1, 1, 0, false },
    { "colour_420_restarts_every_row", 50, 70, 3, 2, 2, 1, false },
    { "colour_422_restarts_every_3_rows", 45, 90, 3, 2, 1, 3, false },
    { "colour_420_tall", 19, 301, 3, 2, 2, 0, false },
    { "colour_420_progressive", 77, 53, 3, 2, 2, 0, true },
    { "colour_444_progressive_restarts", 40, 66, 3, 1, 1, 2, true },
    { "colour_one_row", 40, 1, 3, 2, 2, 0, false },
    { "colour_one_column", 1, 40, 3, 2, 2, 0, false },
    { "colour_one_pixel", 1, 1, 3, 2, 2, 0, false },
    { "grey_odd", 61, 47, 1, 1, 1, 0, false },
    { "grey_progressive", 30, 41, 1, 1, 1, 0, true },
    { "cmyk", 24, 35, 4, 1, 1, 0, false },
};

class RowsOfKind : public testing::TestWithParam<Kind> { };

// Row lists to try on a picture `height` rows high: what each resize reads for a few sizes,
// single rows, the ends, neighbours across block edges, every row, none, and random picks.
std::vector<std::vector<int>> RowLists(int width, int height)
{
    std::vector<std::vector<int>> lists;
    for (const auto &[w, h] : { std::pair { 96, 96 }, { 5, 3 }, { 1, 1 }, { 200, 400 } }) {
        lists.push_back(RowsReadByResizeQuality(width, height, w, h));
        lists.push_back(RowsReadByResizeFast(height, w, h));
    }
    lists.push_back({});
    std::vector<int> every(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        every[std::size_t(y)] = y;
    lists.push_back(every);
    for (const int y : { 0, height - 1, height / 2, std::min(height - 1, 15),
             std::min(height - 1, 16), std::min(height - 1, 17) })
        lists.push_back({ y });
    if (height > 18)
        lists.push_back({ 7, 8, 15, 16, 17 });
    std::mt19937 random(unsigned(width * 1000 + height));
    for (int n = 0; n < 6; ++n) {
        std::vector<int> rows;
        for (int y = 0; y < height; ++y) {
            if (random() % 5 == 0)
                rows.push_back(y);
        }
        lists.push_back(rows);
    }
    return lists;
}

TEST_P(RowsOfKind, KeptRowsEqualTheFullDecode)
{
    const Kind &kind = GetParam();
    const QByteArray bytes = MakeJpeg(kind);
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    WorkingBitmap full;
    ASSERT_TRUE(DecodeJpeg(data, std::size_t(bytes.size()), full));
    ASSERT_EQ(full.width(), kind.width);
    ASSERT_EQ(full.height(), kind.height);

    for (const std::vector<int> &rows : RowLists(kind.width, kind.height)) {
        JpegReader reader;
        ASSERT_TRUE(reader.openMemory(data, std::size_t(bytes.size())));
        WorkingBitmap kept;
        ASSERT_TRUE(reader.decode(kept, &rows));
        ASSERT_EQ(kept.width(), kind.width);
        ASSERT_EQ(kept.height(), kind.height);
        std::size_t next = 0;
        for (int y = 0; y < kind.height; ++y) {
            const bool wanted = next < rows.size() && rows[next] == y;
            next += wanted ? 1 : 0;
            ASSERT_EQ(kept.holdsRow(y), wanted) << "row " << y;
            if (wanted) {
                ASSERT_EQ(std::memcmp(kept.row(y), full.row(y), std::size_t(kind.width) * 3), 0)
                    << "row " << y << " of " << rows.size() << " kept";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JpegRows, RowsOfKind, testing::ValuesIn(kKinds),
    [](const testing::TestParamInfo<Kind> &info) { return std::string(info.param.name); });

TEST(JpegRows, AFileBrokenAfterTheLastKeptRowStillFails)
{
    // The rows a thumbnail reads end before the file does; a fatal error in the rest of the data
    // must fail the load exactly as it fails a full decode.
    const Kind kind { "tall", 40, 200, 3, 2, 2, 0, false };
    QByteArray bytes = MakeJpeg(kind);
    // A second frame header after the image data is a fatal error.
    bytes.chop(2); // the end-of-image marker
    bytes.append("\xFF\xC0\x00\x11\x08\x00\x10\x00\x10\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"
                 "\xFF\xD9",
        21);
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    WorkingBitmap full;
    const bool fullOk = DecodeJpeg(data, std::size_t(bytes.size()), full);
    const std::vector<int> rows { 0, 1, 50 };
    JpegReader reader;
    ASSERT_TRUE(reader.openMemory(data, std::size_t(bytes.size())));
    WorkingBitmap kept;
    EXPECT_EQ(reader.decode(kept, &rows), fullOk);
    EXPECT_FALSE(fullOk);
    EXPECT_TRUE(kept.isEmpty());
}

TEST(JpegRows, ResizesOfKeptRowsEqualResizesOfTheFullPicture)
{
    QTemporaryDir dir;
    const Kind kind { "picture", 123, 97, 3, 2, 2, 0, false };
    const QString path = test::WriteFile(dir.filePath("p.jpg"), MakeJpeg(kind));
    Picture full;
    ASSERT_TRUE(LoadPicture(path, full));
    for (const auto &[W, H] : { std::pair { 96, 75 }, { 40, 7 }, { 300, 250 }, { 1, 1 } }) {
        for (const int speed : { 0, 1 }) {
            const RowChooser chooser = [&, W = W, H = H](int w, int h) {
                return speed == 1 ? RowsReadByResizeQuality(w, h, W, H)
                                  : RowsReadByResizeFast(h, W, H);
            };
            Picture kept;
            ASSERT_TRUE(LoadPicture(path, kept, nullptr, chooser));
            EXPECT_FALSE(kept.pixels().holdsAllRows() && H < 40);
            WorkingBitmap a, b;
            ScratchBitmap scratch;
            if (speed == 1) {
                DecodeToBitmap(a, full);
                ResizeQuality(a, scratch, W, H);
                MoveToBitmap(b, kept);
                ResizeQuality(b, scratch, W, H);
            } else {
                ResizeFast(full, W, H, a);
                ResizeFast(kept, W, H, b);
            }
            EXPECT_TRUE(b.holdsAllRows());
            EXPECT_TRUE(test::SamePixels(a, b)) << W << "x" << H << " speed " << speed;
        }
    }
}

long PeakKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(JpegFile, StreamsTheSameBytesAsAFileReadWhole)
{
    QTemporaryDir dir;
    const Kind kind { "streamed", 300, 220, 3, 2, 1, 0, true };
    const QByteArray bytes = MakeJpeg(kind);
    WorkingBitmap fromMemory, fromFile;
    ASSERT_TRUE(DecodeJpeg(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        std::size_t(bytes.size()), fromMemory));
    ASSERT_TRUE(DecodeJpegFile(test::WriteFile(dir.filePath("a.jpg"), bytes), fromFile));
    EXPECT_TRUE(test::SamePixels(fromMemory, fromFile));

    // Truncated files behave as truncated memory does: decoded with grey rows, or refused.
    for (const qsizetype cut : { qsizetype(0), qsizetype(100), bytes.size() / 2 }) {
        const QByteArray part = bytes.left(cut);
        WorkingBitmap m, f;
        const bool memoryOk = DecodeJpeg(
            reinterpret_cast<const std::uint8_t *>(part.constData()), std::size_t(part.size()), m);
        const QString path
            = test::WriteFile(dir.filePath(QStringLiteral("cut%1.jpg").arg(cut)), part);
        EXPECT_EQ(DecodeJpegFile(path, f), memoryOk) << cut;
        EXPECT_TRUE(test::SamePixels(m, f)) << cut;
    }
    WorkingBitmap none;
    EXPECT_FALSE(DecodeJpegFile(dir.filePath("missing.jpg"), none));
}

TEST(JpegFile, AHugeSparseFileIsNeverReadIntoMemory)
{
    QTemporaryDir dir;
    const Kind kind { "small", 64, 48, 3, 2, 2, 0, false };
    const QByteArray small = MakeJpeg(kind);
    // 2,000,000,000 bytes of nothing, and a real picture followed by 300 MB of nothing: the
    // first is refused at once, the second decodes; neither is held in memory.
    QFile empty(dir.filePath("empty.jpg"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    ASSERT_TRUE(empty.resize(2000000000));
    empty.close();
    const QString padded = test::WriteFile(dir.filePath("padded.jpg"), small);
    QFile tail(padded);
    ASSERT_TRUE(tail.open(QIODevice::ReadWrite));
    ASSERT_TRUE(tail.resize(300000000));
    tail.close();

    const long before = PeakKb();
    Picture picture;
    EXPECT_FALSE(LoadPicture(empty.fileName(), picture));
    EXPECT_TRUE(LoadPicture(padded, picture));
    EXPECT_EQ(picture.width(), 64);
    EXPECT_LT(PeakKb() - before, 64 * 1024);
}

} // namespace
} // namespace pixmaro
