// Tests of the input file list: mask parts, folders left out, order, selection.
#include "job/FileList.h"

#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
} // namespace pixmaro
