// Tests of the input file list: mask parts, folders left out, order, selection.
#include "job/FileList.h"

#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixmaro {
namespace {

TEST(Wildcard, MatchesLikeTheFileSearch)
{
    const struct {
        const char *name;
        const char *pattern;
        bool matches;
    } rows[] = {
        { "PHOTO.JPG", "*.jpg", true },
        { "photo.jpg", "*.JPG", true },
        { "photo.jpeg", "*.jpg", false },
        { "a.jpg.bak", "*.jpg", false },
        { "x.jpg", "?.jpg", true },
        { "xy.jpg", "?.jpg", false },
        { "README", "*.*", true },
        { "a.b.c", "*.c", true },
        { "[a].jpg", "[a].jpg", true },
        { "a.jpg", "[a].jpg", false },
        { "ab", "a*b*", true },
        { "aXbYc", "a*b*c", true },
        { "aXbY", "a*b*c", false },
        { "", "*", true },
        { "Ärger.jpg", "ä*.JPG", true },
    };
    for (const auto &row : rows)
        EXPECT_EQ(MatchesWildcard(QString::fromUtf8(row.name), QString::fromUtf8(row.pattern)),
            row.matches)
            << row.name << " ~ " << row.pattern;
}

TEST(FileList, ListsMatchingFilesSortedIgnoringCase)
{
    QTemporaryDir dir;
    for (const char *name : { "b.JPG", "A.gif", "c.bmp", "notes.txt", "D.jpeg", ".hidden.jpg" })
        test::WriteFile(dir.filePath(name), "x");
    QDir().mkpath(dir.filePath("folder.jpg"));
    const QStringList list = ListFiles(dir.path(), "*.jpg;*.jpeg;*.gif;*.bmp;*.wmf;*.emf");
    EXPECT_EQ(list, QStringList({ ".hidden.jpg", "A.gif", "b.JPG", "c.bmp", "D.jpeg" }));
}

TEST(FileList, AFileMatchingTwoPartsIsListedTwice)
{
    QTemporaryDir dir;
    test::WriteFile(dir.filePath("pic.jpg"), "x");
    test::WriteFile(dir.filePath("other.gif"), "x");
    EXPECT_EQ(ListFiles(dir.path(), "*.jpg; p*"), QStringList({ "pic.jpg", "pic.jpg" }));
    EXPECT_EQ(ListFiles(dir.path(), ";;"), QStringList());
    EXPECT_EQ(ListFiles(dir.filePath("missing"), "*.*"), QStringList());
}

TEST(FileList, SelectionFollowsListOrder)
{
    const QStringList entries { "a.jpg", "b.jpg", "c.jpg", "d.jpg" };
    EXPECT_EQ(SelectedFromHighlighted(entries, { false, true, false, true }),
        QStringList({ "b.jpg", "d.jpg" }));
    EXPECT_FALSE(SelectedFromHighlighted(entries, { false, false, false, false }).has_value());
    EXPECT_FALSE(SelectedFromHighlighted({}, {}).has_value());
}

TEST(FileList, OnlyRegularFilesAndNamesThatAreNotUtf8AreShownEscaped)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    test::WriteFile(dir.filePath("ok.jpg"), "x");
    ASSERT_TRUE(QFile::link(dir.filePath("ok.jpg"), dir.filePath("link.jpg")));
    ASSERT_TRUE(QFile::link(dir.filePath("gone"), dir.filePath("dangling.jpg")));
    ASSERT_EQ(::mkfifo((folder + "/pipe.jpg").constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(dir.filePath("album.jpg")));
    FILE *raw = std::fopen((folder + "/caf\xe9.jpg").constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);

    EXPECT_EQ(
        ListFiles(dir.path(), "*.jpg"), QStringList({ "caf\\xE9.jpg", "link.jpg", "ok.jpg" }));
    EXPECT_EQ(ShownFileName("caf\xc3\xa9 \xff\xc3.jpg"), "caf\u00e9 \\xFF\\xC3.jpg");
    ::unlink((folder + "/caf\xe9.jpg").constData()); // the folder's removal cannot name it
}

} // namespace
} // namespace pixmaro
