// Tests of the settings file's profile semantics: reading, rewriting in place, saving safely.
#include "settings/IniFile.h"

#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace pixmaro {
namespace {

using test::ReadFile;
using test::WriteFile;

TEST(IniFileRead, NamesIgnoreCaseAndBlanksAroundNamesAndValues)
{
    const IniFile ini = IniFile::FromText("[Thumbnails]\n"
                                          "  Thumb Width  =  120  \n"
                                          "[ layout ]\n"
                                          "BannerString=My = Pics\n"
                                          "Empty=\n");
    EXPECT_EQ(ini.readString("thumbnails", "THUMB WIDTH", "96"), "120");
    EXPECT_EQ(ini.readString("Layout", "bannerstring", ""), "My = Pics");
    EXPECT_EQ(ini.readString("Layout", "Empty", "x"), "");
    EXPECT_EQ(ini.readString("Layout", "Missing", "x"), "x");
    EXPECT_EQ(ini.readString("Nowhere", "Empty", "x"), "x");
}

TEST(IniFileRead, FirstMatchingKeyWinsAcrossDuplicateSections)
{
    const IniFile ini = IniFile::FromText("Orphan=before any section\n"
                                          "[A]\nk=1\nk=2\n[B]\nj=9\n[a]\nk=3\nm=4\n");
    EXPECT_EQ(ini.readString("A", "k", ""), "1");
    EXPECT_EQ(ini.readString("A", "m", ""), "4");
    EXPECT_EQ(ini.readString("A", "j", "none"), "none");
    EXPECT_EQ(ini.readString("A", "Orphan", "none"), "none");
}

TEST(IniFileRead, BomAndMixedLineEndsAreHarmless)
{
    const IniFile ini = IniFile::FromText("\xEF\xBB\xBF[Directories]\r\nInput=/a\nOutput=/b\r\n");
    EXPECT_EQ(ini.readString("Directories", "Input", ""), "/a");
    EXPECT_EQ(ini.readString("Directories", "Output", ""), "/b");
}

TEST(IniFileRead, ValueIsCutAt2047Characters)
{
    const IniFile ini = IniFile::FromText("[S]\nk=" + QByteArray(5000, 'v') + "\n");
    EXPECT_EQ(ini.readString("S", "k", "").size(), 2047);
}

TEST(IniFileRead, GarbageAndHugeLinesNeverHideLaterKeys)
{
    QByteArray text("\x00\xff\xfe[\x01]=\x02\n", 10);
    text += QByteArray(10 * 1024 * 1024, 'x') + "\n";
    text += "[S]\n" + QByteArray("k=") + QByteArray(3 * 1024 * 1024, 'y') + "\nz=ok\n";
    const IniFile ini = IniFile::FromText(text);
    EXPECT_EQ(ini.readString("S", "z", ""), "ok");
    EXPECT_EQ(ini.readInteger("S", "k", 7), 7);
    EXPECT_EQ(ini.text(), text);
}

TEST(IniFileRead, IntegersIndexesAndTheirFallbacks)
{
    const IniFile ini
        = IniFile::FromText("[S]\n"
                            "dec=-42\nplus=+7\nhex=0x1F\nUPPER=0X10\ndollar=$ff\n"
                            "bare0x=0x\nbad=12abc\nblank=\nhuge=2147483648\n"
                            "min=-2147483648\nallbits=$FFFFFFFF\nninehex=0x100000000\n"
                            "low=-5\nhigh=9\n");
    const struct {
        const char *key;
        int expected;
    } rows[] = { { "dec", -42 }, { "plus", 7 }, { "hex", 31 }, { "UPPER", 16 }, { "dollar", 255 },
        { "bare0x", 99 }, { "bad", 99 }, { "blank", 99 }, { "huge", 99 },
        { "min", -2147483647 - 1 }, { "allbits", -1 }, { "ninehex", 99 }, { "missing", 99 } };
    for (const auto &row : rows)
        EXPECT_EQ(ini.readInteger("S", row.key, 99), row.expected) << row.key;

    EXPECT_EQ(ini.readIndex("S", "low", 2, 4), -1);
    EXPECT_EQ(ini.readIndex("S", "high", 2, 4), 3);
    EXPECT_EQ(ini.readIndex("S", "dec", 2, 4), -1);
    EXPECT_EQ(ini.readIndex("S", "missing", 2, 4), 2);
}

TEST(IniFileWrite, ReplacesInPlaceAndKeepsEveryOtherLine)
{
    IniFile ini = IniFile::FromText("; my notes\r\n[A]\r\nx=1\r\nK=old\r\n\r\n[B]\r\ny=2");
    ini.writeString("a", "k", "new");
    EXPECT_EQ(ini.text(), "; my notes\r\n[A]\r\nx=1\r\nk=new\r\n\r\n[B]\r\ny=2");
}

TEST(IniFileWrite, AddsKeysAtTheEndOfTheirSectionAndSectionsAtTheEnd)
{
    IniFile ini = IniFile::FromText("[A]\r\nx=1\r\n\r\n[B]\nz=3");
    ini.writeString("A", "new", "v");
    ini.writeString("B", "w", "4");
    ini.writeInteger("C", "n", -1);
    EXPECT_EQ(ini.text(), "[A]\r\nx=1\r\nnew=v\r\n\r\n[B]\nz=3\r\nw=4\r\n[C]\r\nn=-1\r\n");
}

TEST(IniFileWrite, NewFileUsesLineFeedsAndValuesStayOnOneLine)
{
    IniFile ini;
    ini.writeString("S", "k", "two\r\nlines");
    ini.writeString("S", "j", "");
    EXPECT_EQ(ini.text(), "[S]\nk=two  lines\nj=\n");
    EXPECT_EQ(ini.readString("S", "j", "x"), "");
}

TEST(IniFileSave, RoundTripsThroughTheDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Pixmaro.ini");
    WriteFile(path, "[Keep]\r\nother=line\r\n");
    IniFile ini = IniFile::Open(path);
    ini.writeString("S", "k", "v");
    EXPECT_FALSE(ini.save().has_value());
    EXPECT_EQ(ReadFile(path), "[Keep]\r\nother=line\r\n[S]\r\nk=v\r\n");

    IniFile created = IniFile::Open(dir.filePath("sub/new.ini"));
    created.writeString("S", "k", "v");
    EXPECT_FALSE(created.save().has_value());
    EXPECT_EQ(ReadFile(dir.filePath("sub/new.ini")), "[S]\nk=v\n");
}

TEST(IniFileSave, FailureLeavesThePreviousFileIntact)
{
    QTemporaryDir dir;
    // A folder where the file should be: it cannot be read, so it must not be replaced.
    const QString folderPath = dir.filePath("Pixmaro.ini");
    QDir().mkpath(folderPath + "/inside");
    IniFile unreadable = IniFile::Open(folderPath);
    EXPECT_EQ(unreadable.readString("S", "k", "default"), "default");
    unreadable.writeString("S", "k", "v");
    EXPECT_EQ(unreadable.save(), "Unable to write to " + folderPath);
    EXPECT_TRUE(QFileInfo(folderPath + "/inside").isDir());

    // A path below a plain file cannot be created.
    const QString blocker = WriteFile(dir.filePath("plain"), "data");
    IniFile blocked = IniFile::Open(blocker + "/Pixmaro.ini");
    blocked.writeString("S", "k", "v");
    EXPECT_EQ(blocked.save(), "Unable to write to " + blocker + "/Pixmaro.ini");
    EXPECT_EQ(ReadFile(blocker), "data");

    IniFile inMemory = IniFile::FromText("[S]\n");
    EXPECT_TRUE(inMemory.save().has_value());
}

// Marks a file immutable (or clears the mark), which binds even rights that ignore permission
// bits. Returns false where the file system or the process cannot.
bool SetImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

TEST(IniFileSave, ReadOnlyFileIsNotReplaced)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath("Pixmaro.ini"), "[S]\nk=old\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    struct Unmark {
        QString path;
        bool marked = false;
        ~Unmark()
        {
            if (marked)
                SetImmutable(path, false); // so the temporary folder can be removed
        }
    } unmark { path };
    if (QFileInfo(path).isWritable())
        unmark.marked = SetImmutable(path, true);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions and immutable files";

    IniFile ini = IniFile::Open(path);
    EXPECT_EQ(ini.readString("S", "k", ""), "old");
    ini.writeString("S", "k", "new");
    EXPECT_EQ(ini.save(), "Unable to write to " + path);
    EXPECT_EQ(ReadFile(path), "[S]\nk=old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "Pixmaro.ini" });
}

} // namespace
} // namespace pixmaro
