// Checked byte reading and writing, and mapping files: only regular files, never blocking.
#include "base/ByteReader.h"

#include "base/ByteWriter.h"
#include "base/MappedFile.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

namespace pixmaro {
namespace {

TEST(ByteReader, ReadsLittleEndianAndFailsPastTheEndWithoutMoving)
{
    const std::uint8_t data[] = { 0x01, 0x02, 0x03, 0x04, 0xFF, 0xFE, 0x00, 0x00, 0x80, 0x7F };
    ByteReader in(data, sizeof data);
    EXPECT_EQ(in.u16(), 0x0201);
    EXPECT_EQ(in.u32(), 0xFEFF0403u);
    EXPECT_EQ(in.i16(), 0);
    EXPECT_EQ(in.position(), 8u);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.u32(), 0u); // only two bytes left
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.position(), 8u);
    EXPECT_EQ(in.i16(), 0x7F80);

    const ByteReader at(data, sizeof data);
    EXPECT_EQ(at.i32At(4), std::int32_t(0x0000FEFF));
    EXPECT_EQ(at.i16At(4), -257);
    EXPECT_EQ(at.u8At(9), 0x7F);
    EXPECT_TRUE(at.ok());
    // Offsets and lengths that would overflow a naive `offset + length <= size`.
    const std::size_t huge = std::numeric_limits<std::size_t>::max();
    EXPECT_FALSE(at.has(huge, 2));
    EXPECT_FALSE(at.has(2, huge));
    EXPECT_EQ(at.bytesAt(huge - 1, 4), nullptr);
    EXPECT_EQ(at.u32At(8), 0u);
    EXPECT_FALSE(at.ok());
    EXPECT_EQ(at.viewAt(8, 3).size(), 0u);

    const ByteReader view = ByteReader(data, sizeof data).viewAt(2, 4);
    EXPECT_EQ(view.u32At(0), 0xFEFF0403u);
    EXPECT_EQ(view.u8At(4), 0);
    EXPECT_FALSE(view.ok());

    const float nan = std::numeric_limits<float>::quiet_NaN(), half = 0.5f;
    std::uint8_t floats[8];
    std::memcpy(floats, &nan, 4);
    std::memcpy(floats + 4, &half, 4);
    const ByteReader f(floats, 8);
    EXPECT_EQ(f.f32At(0), 0.0f);
    EXPECT_EQ(f.f32At(4), 0.5f);

    ByteReader empty;
    EXPECT_EQ(empty.u8(), 0);
    EXPECT_FALSE(empty.ok());
    ByteReader skipper(data, sizeof data);
    skipper.skip(11);
    EXPECT_FALSE(skipper.ok());
    EXPECT_EQ(skipper.remaining(), 0u);
}

TEST(ByteWriter, WritesLittleEndianAndPatches)
{
    ByteWriter out(QByteArray("ab"));
    out.u8(0x1FF);
    out.u16(0xBEEF);
    out.i32(-2);
    out.u32(0);
    out.setU32At(9, 0x01020304);
    EXPECT_EQ(out.bytes(), QByteArray("ab\xFF\xEF\xBE\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 13));
}

TEST(MappedFile, MapsRegularFilesAndRefusesEverythingElseWithoutBlocking)
{
    QTemporaryDir dir;
    const QString regular = test::WriteFile(dir.filePath("a.gif"), "GIF89a");
    MappedFile file;
    ASSERT_TRUE(file.open(regular));
    EXPECT_EQ(file.bytes(), QByteArray("GIF89a"));
    ASSERT_TRUE(file.open(test::WriteFile(dir.filePath("empty.gif"))));
    EXPECT_EQ(file.size(), 0u);
    EXPECT_TRUE(file.isOpen());
    QFile::link(regular, dir.filePath("link.gif"));
    ASSERT_TRUE(file.open(dir.filePath("link.gif")));
    EXPECT_EQ(file.size(), 6u);

    // A FIFO with no writer would block an ordinary open for ever.
    const QString fifo = dir.filePath("fifo.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile::link(fifo, dir.filePath("fifo-link.jpg"));
    QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero.gif"));
    QDir().mkpath(dir.filePath("folder.bmp"));
    for (const char *name : { "fifo.jpg", "fifo-link.jpg", "zero.gif", "folder.bmp", "missing" }) {
        EXPECT_FALSE(file.open(dir.filePath(name))) << name;
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(file.size(), 0u);
    }
}

} // namespace
} // namespace pixmaro
