// Safe replacement of files: failures leave no temporary file and never damage the old one.
#include "base/SafeFile.h"

#include "support/TempFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace pixmaro {
namespace {

TEST(SafeSave, FailuresLeaveNoTemporaryFileAndNoDamage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("no-such-folder/Thumb001.jpg");
    EXPECT_EQ(WriteFileSafely(missing, "data"), "Cannot create file " + missing);

    const QString folder = dir.filePath("Thumb002.jpg");
    QDir().mkpath(folder);
    EXPECT_EQ(WriteFileSafely(folder, "data"), "Cannot create file " + folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A write that fails part-way (the file-size limit stands in for a full disk).
    const QString existing = test::WriteFile(dir.filePath("Thumb003.jpg"), "the old picture");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = WriteFileSafely(existing, QByteArray(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result, "Cannot create file " + existing);
    EXPECT_EQ(test::ReadFile(existing), "the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "Thumb003.jpg" });

    EXPECT_FALSE(WriteFileSafely(existing, "new").has_value());
    EXPECT_EQ(test::ReadFile(existing), "new");
}

TEST(SafeSave, AnUnwritableDestinationIsNotReplaced)
{
    QTemporaryDir dir;
    // A folder that is a regular file cannot hold anything, whatever the caller's rights.
    const QString plain = test::WriteFile(dir.filePath("notes.txt"), "keep");
    const QString through = plain + "/a.bmp";
    EXPECT_EQ(WriteFileSafely(through, "new"), "Cannot create file " + through);
    EXPECT_EQ(test::ReadFile(plain), "keep");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "notes.txt" });

    const QString path = test::WriteFile(dir.filePath("a.bmp"), "keep");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        return; // running with rights that ignore file permissions: the case above stands
    EXPECT_TRUE(WriteFileSafely(path, "new").has_value());
    EXPECT_EQ(test::ReadFile(path), "keep");
}

} // namespace
} // namespace pixmaro
