// Tests of loading pictures by extension, decoding them to the raster and the fast resize.
#include "imaging/Picture.h"

#include "imaging/Resample.h"
#include "imaging/metafile/MetafileWriter.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

namespace pixmaro {
namespace {

using test::At;
using test::Px;

using test::Data;

// A 2 × 1 GIF: a red pixel and a transparent one.
const QByteArray kTransparentGif("GIF89a\x02\x00\x01\x00\x80\x00\x00"
                                 "\xFF\x00\x00\x00\x00\x00"
                                 "\x21\xF9\x04\x01\x00\x00\x01\x00"
                                 "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                                 "\x02\x02\x44\x0A\x00\x3B",
    43);

TEST(LoadPicture, ChoosesTheDecoderByExtensionIgnoringCase)
{
    QTemporaryDir dir;
    const QByteArray jpeg = Data("baseline-61x47.jpg");
    Picture picture;
    for (const char *name : { "a.JPG", "b.jpeg", "c.Jpg" }) {
        ASSERT_TRUE(LoadPicture(test::WriteFile(dir.filePath(name), jpeg), picture)) << name;
        EXPECT_EQ(picture.kind(), Picture::Kind::Jpeg);
        EXPECT_EQ(picture.width(), 61);
        EXPECT_EQ(picture.height(), 47);
    }
    for (const char *name : { "d.jpe", "e.png", "jpg", "f.gif" }) {
        EXPECT_FALSE(LoadPicture(test::WriteFile(dir.filePath(name), jpeg), picture)) << name;
        EXPECT_TRUE(picture.isEmpty());
    }
    EXPECT_FALSE(LoadPicture(dir.filePath("missing.jpg"), picture));
    EXPECT_FALSE(LoadPicture(test::WriteFile(dir.filePath("empty.bmp"), ""), picture));
}

TEST(LoadPicture, OnlyRegularFilesAreReadAndAFifoNeverBlocks)
{
    QTemporaryDir dir;
    Picture picture;
    const QString gif = test::WriteFile(dir.filePath("real.gif"), kTransparentGif);
    ASSERT_TRUE(QFile::link(gif, dir.filePath("link.gif")));
    EXPECT_TRUE(LoadPicture(dir.filePath("link.gif"), picture));
    EXPECT_EQ(picture.width(), 2);

    // Before, a FIFO blocked the run until someone wrote to it, and /dev/zero was read without
    // end; each now fails at once, as a file that cannot be opened.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("fifo.jpg"), dir.filePath("fifo-link.gif")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero.gif")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), dir.filePath("random.emf")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder.bmp")));
    for (const char *name :
        { "fifo.jpg", "fifo-link.gif", "zero.gif", "random.emf", "folder.bmp" }) {
        EXPECT_FALSE(LoadPicture(dir.filePath(name), picture)) << name;
        EXPECT_TRUE(picture.isEmpty()) << name;
    }
}

TEST(LoadPicture, AHugeSparseFileIsNotReadIntoMemory)
{
    QTemporaryDir dir;
    // A valid 2 × 1 GIF followed by almost 2 GB of nothing (a sparse file costs no disk).
    QFile file(dir.filePath("sparse.gif"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kTransparentGif);
    ASSERT_TRUE(file.resize(2000000000));
    file.close();
    rusage before {};
    getrusage(RUSAGE_SELF, &before);
    Picture picture;
    EXPECT_TRUE(LoadPicture(file.fileName(), picture));
    rusage after {};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 100 * 1024); // kilobytes
}

TEST(LoadPicture, ASetCancelFlagFailsTheLoad)
{
    QTemporaryDir dir;
    WorkingBitmap raster;
    raster.resize(3, 2);
    const std::atomic<bool> cancel { true };
    Picture picture;
    for (const auto &[name, bytes] : { std::pair { "c.gif", kTransparentGif },
             std::pair { "c.emf", metafile::RecordEmf(raster) } }) {
        const QString path = test::WriteFile(dir.filePath(name), bytes);
        EXPECT_FALSE(LoadPicture(path, picture, &cancel)) << name;
        EXPECT_TRUE(LoadPicture(path, picture)) << name;
    }
}

TEST(DecodeToBitmap, TransparentGifAndMetafilesComeOutOnWhite)
{
    QTemporaryDir dir;
    Picture picture;
    ASSERT_TRUE(LoadPicture(test::WriteFile(dir.filePath("t.gif"), kTransparentGif), picture));
    WorkingBitmap working;
    working.resize(5, 5);
    working.fill(1, 2, 3);
    DecodeToBitmap(working, picture);
    ASSERT_EQ(working.width(), 2);
    EXPECT_EQ(At(working, 0, 0), (Px { 255, 0, 0 }));
    EXPECT_EQ(At(working, 1, 0), (Px { 255, 255, 255 }));

    WorkingBitmap raster;
    raster.resize(3, 2);
    raster.fill(10, 20, 30);
    ASSERT_TRUE(
        LoadPicture(test::WriteFile(dir.filePath("r.emf"), metafile::RecordEmf(raster)), picture));
    DecodeToBitmap(working, picture);
    EXPECT_TRUE(test::SamePixels(working, raster));
    ASSERT_TRUE(
        LoadPicture(test::WriteFile(dir.filePath("r.wmf"), metafile::RecordWmf(raster)), picture));
    EXPECT_EQ(picture.kind(), Picture::Kind::Wmf);
    DecodeToBitmap(working, picture);
    EXPECT_TRUE(test::SamePixels(working, raster));
}

TEST(ResizeFast, NearestNeighbourNeverAveragesAndGifsSitOnWhite)
{
    QTemporaryDir dir;
    Picture picture;
    ASSERT_TRUE(LoadPicture(test::WriteFile(dir.filePath("t.gif"), kTransparentGif), picture));
    WorkingBitmap working;
    ResizeFast(picture, 5, 2, working);
    ASSERT_EQ(working.width(), 5);
    // Columns take source column floor((2x + 1) × 2 ÷ 10): 0, 0, 1, 1, 1.
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(At(working, 0, y), (Px { 255, 0, 0 }));
        EXPECT_EQ(At(working, 1, y), (Px { 255, 0, 0 }));
        for (int x = 2; x < 5; ++x)
            EXPECT_EQ(At(working, x, y), (Px { 255, 255, 255 }));
    }
    ResizeFast(picture, 0, 3, working);
    EXPECT_TRUE(working.isEmpty());

    // A reduction keeps source colours exactly.
    ASSERT_TRUE(LoadPicture(QStringLiteral(PIXMARO_TEST_DATA "/baseline-61x47.jpg"), picture));
    ResizeFast(picture, 7, 5, working);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const int sx = (2 * x + 1) * 61 / 14, sy = (2 * y + 1) * 47 / 10;
            const std::uint8_t *p = picture.pixels().row(sy) + 3 * sx;
            EXPECT_EQ(At(working, x, y), (Px { p[2], p[1], p[0] }));
        }
}

TEST(ResizeFast, MetafilesArePlayedAtTheTargetSize)
{
    QTemporaryDir dir;
    WorkingBitmap raster;
    raster.resize(4, 4);
    raster.fill(0, 0, 200);
    Picture picture;
    ASSERT_TRUE(
        LoadPicture(test::WriteFile(dir.filePath("m.emf"), metafile::RecordEmf(raster)), picture));
    WorkingBitmap working;
    ResizeFast(picture, 8, 2, working);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(At(working, x, 1), (Px { 0, 0, 200 }));
}

} // namespace
} // namespace pixmaro
