// Tests of pixmaro-batch as a user runs it: settings, file selection, checks and dry runs.
#include "batch/BatchApp.h"

#include "batch/ConsoleHost.h"
#include "imaging/Encoders.h"
#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <initializer_list>

namespace pixmaro {
namespace {

struct Result {
    int status;
    QString out;
    QString err;
};

Result Batch(const QStringList &args, const QString &cwd)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = RunBatch(args, cwd, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return { status, out, err };
}

class BatchApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char *name : { "b.JPG", "a.gif", "C.bmp", "notes.txt" })
            test::WriteFile(m_dir.filePath(name), "x");
    }
    QString path(const QString &name) const { return QDir::cleanPath(m_dir.filePath(name)); }

    /// Writes the same BMP of a green `w` × `h` raster under each of `names`; returns its bytes.
    QByteArray writeBmps(std::initializer_list<const char *> names, int w = 40, int h = 30) const
    {
        WorkingBitmap raster;
        raster.resize(w, h);
        raster.fill(10, 200, 30);
        const QByteArray bmp = EncodeBmp(raster);
        for (const char *name : names)
            test::WriteFile(path(name), bmp);
        return bmp;
    }

    QTemporaryDir m_dir;
};

TEST_F(BatchApp, SettingsPrintsTheFileTheProgramWouldWrite)
{
    const Result defaults = Batch({ "settings" }, m_dir.path());
    EXPECT_EQ(defaults.status, 0);
    EXPECT_TRUE(
        defaults.out.startsWith("[Directories]\nInput=/\nOutput=/\nRecycleBin=Yes\n"
                                "htmlName=MyWeb.htm\n[Thumbnails]\nResize Speed=Quality\n"));
    EXPECT_TRUE(defaults.out.endsWith("UseCellColor=0\nUseTables=1\n"));
    EXPECT_EQ(defaults.out.count('\n'), 56);

    const QByteArray stored = "[Thumbnails]\r\nForce Width=1\r\nForce Height=1\r\nCreate As=JPG\r\n"
                              "Jpg Compression=5\r\n[Linking]\r\nLinkOriginal=2\r\n"
                              "OriginalLinkOpt=-5\r\n[Layout]\r\nUseFrames=1\r\n";
    const QString ini = test::WriteFile(path("my.ini"), stored);
    const Result loaded = Batch({ "settings", "--settings", "my.ini" }, m_dir.path());
    EXPECT_EQ(loaded.status, 0);
    for (const char *line :
        { "\nForce Width=0\nForce Height=1\n", "\nCreate As=jpg\n", "\nJpg Compression=10\n",
            "\nOriginalLinkOpt=-1\nLinkOriginal=0\n", "\nUseFrames=0\n" })
        EXPECT_TRUE(loaded.out.contains(line)) << line;
    EXPECT_EQ(test::ReadFile(ini), stored);
}

TEST_F(BatchApp, DryRunListsTheMaskedFilesWithTheirOutputNames)
{
    const Result r = Batch({ "thumbnails", "--dry-run", "-o", "out" }, m_dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "a.gif -> Thumb001.jpg\nb.JPG -> Thumb002.jpg\nC.bmp -> Thumb003.jpg\n");
    EXPECT_EQ(r.err, "");

    const Result named = Batch({ "copy", "--dry-run", "-o", "out", "--to", "No Conversion",
                                   "--naming", "SufSeq", "--seq", "7", "notes.txt", "b.JPG" },
        m_dir.path());
    EXPECT_EQ(named.out, "notes.txt -> 7Image.txt\nb.JPG -> 8Image.JPG\n");

    const Result convert = Batch(
        { "copy", "--dry-run", "-o", "out", "-t", "gif", "--naming=PreName", "-q", "", "b.JPG" },
        m_dir.path());
    EXPECT_EQ(convert.out, "b.JPG -> b.gif\n");

    const Result rename = Batch({ "rename", "--dry-run", "-m", "*.jpg" }, m_dir.path());
    EXPECT_EQ(rename.out, "b.JPG -> Image001.JPG\n");
    EXPECT_EQ(rename.err, "");
}

TEST_F(BatchApp, SettingsFileGivesDefaultsThatOptionsOverride)
{
    test::WriteFile(path("p.ini"),
        "[Thumbnails]\nCreate As=No Conversion\nOutput File Qualifier=T_\n"
        "Naming Option=SufName\n[Directories]\nInput=/nowhere/at/all\n");
    const Result r
        = Batch({ "thumbnails", "--dry-run", "--settings", "p.ini", "-o", "o", "a.gif", "C.bmp" },
            m_dir.path());
    EXPECT_EQ(r.out, "a.gif -> aT_.gif\nC.bmp -> CT_.bmp\n");
    const Result over = Batch({ "thumbnails", "--dry-run", "--settings", "p.ini", "-o", "o", "-t",
                                  "bmp", "-q", "Z", "a.gif" },
        m_dir.path());
    EXPECT_EQ(over.out, "a.gif -> aZ.bmp\n");
}

TEST_F(BatchApp, ChecksBeforeTheRun)
{
    const Result same = Batch({ "thumbnails", "--dry-run", "a.gif" }, m_dir.path());
    EXPECT_EQ(same.status, 0);
    EXPECT_TRUE(same.err.contains("Input and Output Directories are the same."));

    const Result twins = Batch({ "copy", "--dry-run", "-o", "o", "C.bmp", "C.jpg" }, m_dir.path());
    EXPECT_TRUE(twins.err.startsWith("Warning! C.bmp and C.jpg\n"));

    const Result refused
        = Batch({ "rename", "--dry-run", "--naming", "SufName", "-q", "", "a.gif" }, m_dir.path());
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err,
        "Invalid output qualifier for option chosen.  Please specify a qualifier, "
        "or choose a different naming option.\n");
    EXPECT_EQ(refused.out, "");

    const Result copyPasses = Batch(
        { "copy", "--dry-run", "-o", "o", "--naming", "SufName", "-q", "", "a.gif" }, m_dir.path());
    EXPECT_EQ(copyPasses.status, 0);

    const Result none = Batch({ "thumbnails", "--dry-run", "-m", "*.png" }, m_dir.path());
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, "No files selected!\n");

    const Result missing = Batch({ "thumbnails", "--dry-run", "-i", "gone" }, m_dir.path());
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "The " + path("gone") + " directory does not exist\n");
}

TEST_F(BatchApp, NumbersThatAreNotIntegersFailLikeTheRun)
{
    const Result width = Batch({ "thumbnails", "--dry-run", "-o", "o", "-W", "big" }, m_dir.path());
    EXPECT_EQ(width.status, 1);
    EXPECT_EQ(width.err, "Error during processing!\n");

    const Result seq
        = Batch({ "copy", "--dry-run", "-o", "o", "--seq", "x1", "a.gif" }, m_dir.path());
    EXPECT_EQ(seq.status, 1);
    EXPECT_EQ(seq.out, "");

    const Result unused
        = Batch({ "copy", "--dry-run", "-o", "o", "--seq", "x1", "--naming", "PreName", "a.gif" },
            m_dir.path());
    EXPECT_EQ(unused.status, 0);
    EXPECT_EQ(unused.out, "a.gif -> Imagea.jpg\n");
}

TEST_F(BatchApp, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(Batch({ "thumbnails", "--to", "png" }, m_dir.path()).status, 2);
    EXPECT_EQ(Batch({ "--version" }, m_dir.path()).out, "pixmaro-batch " PIXMARO_VERSION "\n");
}

TEST_F(BatchApp, RunsPrintMessagesOnStderrAndTheOutcomeLast)
{
    QDir().mkpath(path("out"));
    writeBmps({ "good.bmp", "also.bmp" });

    const Result done = Batch({ "thumbnails", "-o", "out", "--quiet", "--keep-ratio", "-W", "20",
                                  "-t", "gif", "good.bmp", "also.bmp" },
        m_dir.path());
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.out, "Operation complete. 2 files processed.\n");
    EXPECT_TRUE(test::ReadFile(path("out/Thumb002.gif")).startsWith("GIF87a"));

    const Result broken = Batch(
        { "thumbnails", "-o", "out", "--quiet", "good.bmp", "C.bmp", "also.bmp" }, m_dir.path());
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, "Could not open C.bmp\n");
    EXPECT_EQ(broken.out, "Operation Incomplete. 1 files processed.\n");

    const Result renamed = Batch({ "rename", "--quiet", "good.bmp", "also.bmp" }, m_dir.path());
    EXPECT_EQ(renamed.status, 0);
    EXPECT_TRUE(QFileInfo::exists(path("Image002.bmp")));
    const Result again = Batch({ "rename", "--quiet", "Image001.bmp" }, m_dir.path());
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "Error - duplicate name in folder.  Rename Operation stopped.\n");
    EXPECT_EQ(again.out, "Operation Incomplete. 0 files processed.\n");
}

TEST_F(BatchApp, HtmlWritesTheGalleryOfTheRun)
{
    QDir().mkpath(path("out"));
    writeBmps({ "one two.bmp", "three.bmp" });

    const Result done = Batch({ "thumbnails", "-o", "out", "--quiet", "--html", "out/gallery.txt",
                                  "one two.bmp", "three.bmp" },
        m_dir.path());
    EXPECT_EQ(done.status, 0);
    const QByteArray page = test::ReadFile(path("out/MyWeb.htm"));
    EXPECT_TRUE(page.contains(
        "<A TARGET=\"_self\" HREF=\"../one%20two.bmp\"><IMG BORDER=\"1\" SRC=\"Thumb001.jpg\" "
        "Width=\"96\" Height=\"96\" ALT=\"one two.bmp (3654 bytes)\"></A>"));
    EXPECT_TRUE(page.endsWith("</HTML>\r\n"));

    test::WriteFile(path("bad.ini"), "[Tables]\nColumns=five\n");
    const Result bad = Batch({ "thumbnails", "-o", "out", "--quiet", "--settings", "bad.ini",
                                 "--html", "out/x.htm", "three.bmp" },
        m_dir.path());
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "'five' is not a valid integer value\n");
    EXPECT_EQ(bad.out, "Operation complete. 1 files processed.\n");
    EXPECT_FALSE(QFileInfo::exists(path("out/x.htm")));
}

TEST_F(BatchApp, OutputsNeverReplaceSelectedSources)
{
    // a.jpg would be copied over Image001.jpg before that file is read: refused, dry run too.
    test::WriteFile(path("a.jpg"), "first");
    test::WriteFile(path("Image001.jpg"), "second");
    for (const QStringList &args : { QStringList { "copy", "-t", "No Conversion", "--quiet" },
             QStringList { "copy", "-t", "No Conversion", "--dry-run", "--yes" } }) {
        const Result refused = Batch(args + QStringList { "a.jpg", "Image001.jpg" }, m_dir.path());
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.err.contains("The output of a.jpg would be written over the selected "
                                         "file Image001.jpg"))
            << refused.err.toStdString();
        EXPECT_EQ(refused.out, "");
    }
    EXPECT_EQ(test::ReadFile(path("Image001.jpg")), "second");

    // Thumbnails named after their sources would replace them: No unless --yes.
    const QByteArray photo = writeBmps({ "p.bmp" });
    const QStringList own { "thumbnails", "--quiet", "--naming", "PreName", "-q", "", "-t", "bmp",
        "p.bmp" };
    const Result asked = Batch(own, m_dir.path());
    EXPECT_EQ(asked.status, 2);
    EXPECT_TRUE(asked.err.contains("Continue?\nAnswered No\n"));
    EXPECT_TRUE(asked.err.endsWith(
        "pixmaro-batch: p.bmp would be replaced by the output of p.bmp; give --yes to go on\n"));
    EXPECT_EQ(test::ReadFile(path("p.bmp")), photo);
    const Result yes = Batch(own + QStringList { "--yes" }, m_dir.path());
    EXPECT_EQ(yes.status, 0);
    EXPECT_TRUE(yes.err.contains("Continue?\nAnswered Yes\n"));
    EXPECT_NE(test::ReadFile(path("p.bmp")), photo);
}

TEST_F(BatchApp, NamesAndValuesAreShownSafely)
{
    test::WriteFile(path("bell\a\x1b[2J.gif"), "x");
    const Result dry = Batch(
        { "thumbnails", "--dry-run", "-o", "o", "--jpeg-quality", "500", "bell\a\x1b[2J.gif" },
        m_dir.path());
    EXPECT_EQ(dry.out, "bell\\x07\\x1B[2J.gif -> Thumb001.jpg\n");
    EXPECT_EQ(dry.err, "pixmaro-batch: --jpeg-quality was clamped to 100\n");
}

TEST_F(BatchApp, AnHtmlPageNamingAFolderGoesInsideIt)
{
    QDir().mkpath(path("out/web"));
    writeBmps({ "one.bmp" }, 8, 8);
    for (const char *page : { "out/web", "out/web/" }) {
        QFile::remove(path("out/web/MyWeb.htm"));
        const Result done = Batch(
            { "thumbnails", "-o", "out", "--quiet", "--html", page, "one.bmp" }, m_dir.path());
        EXPECT_EQ(done.status, 0) << done.err.toStdString();
        EXPECT_TRUE(QFileInfo::exists(path("out/web/MyWeb.htm"))) << page;
        EXPECT_FALSE(QFileInfo::exists(path("out/MyWeb.htm")));
    }
}

TEST(ConsoleHost, StopSignalsActLikeTheFirstCtrlC)
{
    for (const int signal : { SIGINT, SIGTERM, SIGHUP }) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ConsoleMessages messages(errStream);
        ConsoleHost host(JobSettings(), messages, outStream, errStream, false);
        RunState state;
        host.runStarting(state);
        std::raise(signal);
        host.pumpEvents();
        EXPECT_TRUE(state.CancelRequested) << signal;
    }
}

} // namespace
} // namespace pixmaro
