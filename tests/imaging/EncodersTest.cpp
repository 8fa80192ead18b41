// Tests of the output encoders against reference tools' bytes and pixels, and of safe saving.
#include "imaging/Encoders.h"

#include "imaging/Picture.h"
#include "imaging/QtRasterReaders.h"
#include "imaging/gif/GifCompose.h"
#include "imaging/gif/GifDecoder.h"
#include "imaging/gif/GifWriter.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::At;
using test::Px;

QString DataPath(const char *name)
{
    return QStringLiteral(PIXMARO_TEST_DATA "/") + name;
}

const WorkingBitmap &Scene()
{
    static const WorkingBitmap scene = test::ReadPnm(DataPath("scene-61x47.ppm"));
    return scene;
}

TEST(SaveAsJpeg, BytesEqualCjpegAtEveryQuality)
{
    for (const int quality : { 10, 90, 100 }) {
        JpegEncoder encoder;
        SaveAsJpeg(encoder, Scene(), quality);
        QString error;
        const auto bytes = encoder.compress(&error);
        ASSERT_TRUE(bytes.has_value()) << error.toStdString();
        const QByteArray reference = test::ReadFile(DataPath(
            QStringLiteral("scene-61x47.cjpeg-q%1.jpg").arg(quality).toLatin1().constData()));
        ASSERT_FALSE(reference.isEmpty());
        EXPECT_TRUE(*bytes == reference) << "quality " << quality;
    }
}

TEST(SaveAsJpeg, AnEmptyRasterWritesAZeroByteFile)
{
    QTemporaryDir dir;
    JpegEncoder encoder;
    SaveAsJpeg(encoder, Scene(), 90);
    const WorkingBitmap empty;
    SaveAsJpeg(encoder, empty, 90); // drops the earlier picture
    const QString path = dir.filePath("Thumb001.jpg");
    EXPECT_FALSE(encoder.save(path).has_value());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(SaveAsGif, ColoursEqualDjpegsQuantiserAndTheFileIsPlain87a)
{
    GifEncoder encoder;
    ASSERT_FALSE(SaveAsGif(encoder, Scene()).has_value());
    const QByteArray bytes = gif::EncodeGif87a(encoder.image());
    ASSERT_TRUE(bytes.startsWith("GIF87a"));
    const int packed = std::uint8_t(bytes[10]);
    EXPECT_EQ(packed, 0x80 | 0x70 | 0x08 | 0x07); // 236 colours: b = 8
    EXPECT_EQ(bytes[13 + 3 * 256], ','); // no extension between the table and the image
    EXPECT_TRUE(bytes.endsWith(";"));

    gif::GifFile decoded;
    ASSERT_TRUE(gif::DecodeGif(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        std::size_t(bytes.size()), decoded, false));
    ASSERT_EQ(decoded.frames.size(), 1u);
    WorkingBitmap pixels;
    gif::DrawFirstFrameOnWhite(decoded, pixels);
    EXPECT_TRUE(test::SamePixels(pixels, test::ReadPnm(DataPath("scene-61x47.gif-reference.ppm"))));

    // Most used colours first, the rest of the table black.
    std::vector<int> counts(256, 0);
    for (std::uint8_t index : decoded.frames[0].indexes)
        ++counts[index];
    for (int i = 1; i < 236; ++i)
        EXPECT_GE(counts[std::size_t(i - 1)], counts[std::size_t(i)]);
    for (int i = 236; i < 256; ++i)
        EXPECT_EQ(decoded.globalColors[std::size_t(i)], (gif::Rgb { 0, 0, 0 }));
}

TEST(OptimizeColorMap, MergesDropsOrdersAndKeepsARoomForTransparency)
{
    gif::GifFile file;
    file.globalColors = { { 1, 1, 1 }, { 9, 9, 9 }, { 1, 1, 1 }, { 200, 0, 0 }, { 5, 5, 5 } };
    gif::Frame frame;
    frame.indexes = { 0, 2, 2, 3, 3, 3, 3, 4 }; // colour 1 used three times (merged), 9 unused
    file.frames.push_back(frame);
    gif::OptimizeColorMap(file);
    EXPECT_EQ(file.globalColors, (gif::ColorTable { { 200, 0, 0 }, { 1, 1, 1 }, { 5, 5, 5 } }));
    EXPECT_EQ(file.frames[0].indexes, (std::vector<std::uint8_t> { 1, 1, 1, 0, 0, 0, 0, 2 }));

    gif::GifFile transparent;
    transparent.globalColors = { { 10, 10, 10 }, { 20, 20, 20 } };
    gif::Frame t;
    t.indexes = { 0, 1, 1 };
    t.transparentIndex = 0;
    transparent.frames.push_back(t);
    gif::OptimizeColorMap(transparent);
    EXPECT_EQ(transparent.globalColors, (gif::ColorTable { { 20, 20, 20 }, { 0, 0, 0 } }));
    EXPECT_EQ(transparent.frames[0].transparentIndex, 1);
    EXPECT_EQ(transparent.frames[0].indexes, (std::vector<std::uint8_t> { 1, 0, 0 }));

    // A local table with colours beyond 256 in all: the extra ones go to the nearest kept sum.
    gif::GifFile many;
    gif::Frame a, b;
    for (int i = 0; i < 256; ++i) {
        many.globalColors.push_back({ std::uint8_t(i), 0, 0 });
        a.indexes.push_back(std::uint8_t(i));
        a.indexes.push_back(std::uint8_t(i));
    }
    b.localColors = { { 0, 0, 7 } }; // sum 7: a colour of its own, used once
    b.indexes = { 0 };
    many.frames = { a, b };
    gif::OptimizeColorMap(many);
    EXPECT_EQ(many.globalColors.size(), 256u);
    EXPECT_EQ(many.globalColors[many.frames[1].indexes[0]], (gif::Rgb { 7, 0, 0 }));
}

TEST(EncodeBmp, HeadersAndBottomUpPaddedRows)
{
    WorkingBitmap raster;
    raster.resize(2, 2);
    test::Set(raster, 0, 0, { 1, 2, 3 });
    test::Set(raster, 1, 1, { 200, 100, 50 });
    const QByteArray bmp = EncodeBmp(raster);
    const QByteArray expected("BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00"
                              "\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00"
                              "\x00\x00\x00\x00\x10\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                              "\x00\x00\x00\x00\x00\x00\x00\x00"
                              "\x00\x00\x00\x32\x64\xC8\x00\x00" // bottom row first
                              "\x03\x02\x01\x00\x00\x00\x00\x00", // then the top row
        70);
    EXPECT_TRUE(bmp == expected);
    WorkingBitmap read;
    ASSERT_TRUE(ReadBmp(bmp, read));
    EXPECT_TRUE(test::SamePixels(read, raster));
}

TEST(SaveAsBmp, WritesEncodeBmpsBytesStraightFromTheRaster)
{
    QTemporaryDir dir;
    WorkingBitmap wide; // rows of 3001 × 3 bytes: several write blocks, padded rows
    wide.resize(3001, 400);
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 0; x < wide.width(); x += 97)
            test::Set(wide, x, y, { x & 255, y & 255, (x + y) & 255 });
    for (const WorkingBitmap *raster : { &Scene(), static_cast<const WorkingBitmap *>(&wide) }) {
        const QString path = dir.filePath("out.bmp");
        ASSERT_FALSE(SaveAsBmp(*raster, path).has_value());
        EXPECT_TRUE(test::ReadFile(path) == EncodeBmp(*raster));
    }
    const QString blocked = dir.filePath("folder.bmp");
    ASSERT_TRUE(QDir().mkdir(blocked));
    EXPECT_EQ(SaveAsBmp(Scene(), blocked), QStringLiteral("Cannot create file ") + blocked);
}

TEST(SaveAsBmpRows, WritesEncodeBmpsBytesRowByRowAndNothingWhenTheRowsFail)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bmp");
    for (const int width : { 1, 2, 3, 5, 64 }) { // every row padding
        WorkingBitmap raster;
        raster.resize(width, 7);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < width; ++x)
                test::Set(raster, x, y, { x * 9 + y, 255 - y * 30, (x * y) & 255 });
        std::vector<int> asked;
        const auto rows = [&](int y) -> const std::uint8_t * {
            asked.push_back(y);
            return raster.row(y);
        };
        const BmpRowsOutcome written = SaveAsBmpRows(width, 7, rows, path);
        EXPECT_TRUE(written.rowsRead && !written.error) << width;
        EXPECT_TRUE(test::ReadFile(path) == EncodeBmp(raster)) << width;
        EXPECT_EQ(asked, (std::vector<int> { 0, 1, 2, 3, 4, 5, 6 }));
    }

    // A source failing at row 3 leaves the earlier file as it was, and no temporary file.
    test::WriteFile(path, "earlier");
    const std::vector<std::uint8_t> row(30, 7);
    const auto failing = [&](int y) { return y == 3 ? nullptr : row.data(); };
    EXPECT_FALSE(SaveAsBmpRows(10, 6, failing, path).rowsRead);
    EXPECT_EQ(test::ReadFile(path), QByteArray("earlier"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "out.bmp" });

    // Without a path, or when the file cannot be written, every row is still read.
    const QString blocked = dir.filePath("folder.bmp");
    ASSERT_TRUE(QDir().mkdir(blocked));
    for (const std::optional<QString> &target :
        { std::optional<QString>(), std::optional(blocked) }) {
        int count = 0;
        const auto counted = [&](int) {
            ++count;
            return row.data();
        };
        const BmpRowsOutcome outcome = SaveAsBmpRows(10, 6, counted, target);
        EXPECT_TRUE(outcome.rowsRead);
        EXPECT_EQ(count, 6);
        EXPECT_EQ(outcome.error,
            target ? std::optional(QStringLiteral("Cannot create file ") + blocked) : std::nullopt);
    }
}

TEST(SaveAsGif, ARasterHandedOverGivesTheSameImageAndIsReleased)
{
    GifEncoder kept, handed;
    ASSERT_FALSE(SaveAsGif(kept, Scene()).has_value());
    WorkingBitmap copy;
    copy.copyFrom(Scene());
    ASSERT_FALSE(SaveAsGif(handed, std::move(copy)).has_value());
    EXPECT_TRUE(gif::EncodeGif87a(kept.image()) == gif::EncodeGif87a(handed.image()));
    EXPECT_TRUE(copy.isEmpty());
}

TEST(MetafileEncoder, RecordsBothKindsThatPlayBackIdentically)
{
    QTemporaryDir dir;
    MetafileEncoder metafile;
    for (const bool enhanced : { true, false }) {
        metafile.enhanced = enhanced;
        SaveAsMetafile(metafile, Scene());
        const QString path = dir.filePath(enhanced ? "s.emf" : "s.wmf");
        ASSERT_FALSE(metafile.save(path).has_value());
        Picture picture;
        ASSERT_TRUE(LoadPicture(path, picture));
        WorkingBitmap played;
        DecodeToBitmap(played, picture);
        EXPECT_TRUE(test::SamePixels(played, Scene()));
    }
}

} // namespace
} // namespace pixmaro
