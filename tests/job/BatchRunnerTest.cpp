// Tests of the batch runner and its four runs, driven through a scripted host in temp folders.
#include "job/BatchRunner.h"

#include "imaging/Encoders.h"
#include "imaging/Picture.h"
#include "imaging/gif/GifWriter.h"
#include "support/FakeRunHost.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pixmaro {
namespace {

using test::FakeRunHost;

WorkingBitmap Gradient(int w, int h)
{
    WorkingBitmap r;
    r.resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            test::Set(
                r, x, y, { (x * 255) / std::max(1, w - 1), (y * 255) / std::max(1, h - 1), 128 });
    return r;
}

class Runs : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Decoding on the run's thread only, so the message pumps can be counted; runs with
        // decoding threads are tested on their own.
        runner.setDecodeThreads(1);
        input = QDir::cleanPath(m_dir.filePath("in"));
        output = QDir::cleanPath(m_dir.filePath("out"));
        QDir().mkpath(input);
        QDir().mkpath(output);
        job.InputFolder = input;
        job.OutputFolder = output;
    }
    QString in(const QString &name) const { return input + "/" + name; }
    QString out(const QString &name) const { return output + "/" + name; }
    void jpeg(const QString &name, int w, int h)
    {
        JpegEncoder encoder;
        const WorkingBitmap raster = Gradient(w, h);
        SaveAsJpeg(encoder, raster, 90);
        ASSERT_FALSE(encoder.save(in(name)).has_value());
    }
    void bmp(const QString &name, int w, int h)
    {
        test::WriteFile(in(name), EncodeBmp(Gradient(w, h)));
    }
    void gif(const QString &name, int w, int h)
    {
        GifEncoder encoder;
        ASSERT_FALSE(SaveAsGif(encoder, Gradient(w, h)).has_value());
        ASSERT_FALSE(encoder.save(in(name)).has_value());
    }
    RunOutcome run(FakeRunHost &host, const QStringList &files)
    {
        return runner.bGOClick(host, files);
    }
    QStringList outputs() const { return QDir(output).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir m_dir;
    QString input, output;
    JobSettings job;
    BatchRunner runner;
};

TEST_F(Runs, ThumbnailsAreNumberedInSelectionOrder)
{
    for (const char *name : { "c.jpg", "a.jpg", "b.jpg" })
        jpeg(name, 400, 300);
    job.KeepRatio = true;
    job.MaxWidth = "100";
    FakeRunHost host(job);
    EXPECT_EQ(run(host, { "c.jpg", "a.jpg", "b.jpg" }), RunOutcome::Completed);
    EXPECT_EQ(host.outcome, "Operation complete. 3 files processed.");
    EXPECT_EQ(outputs(), QStringList({ "Thumb001.jpg", "Thumb002.jpg", "Thumb003.jpg" }));
    EXPECT_EQ(host.counters, QStringList({ "1 of 3", "1 of 3", "2 of 3", "3 of 3" }));
    EXPECT_EQ(host.pumps, 4); // the runner's own, then one per file
    const InfoRec &first = runner.state().RunInfo[0];
    EXPECT_EQ(first.SourcePath, in("c.jpg"));
    EXPECT_EQ(first.OutputPath, out("Thumb001.jpg"));
    EXPECT_EQ(first.SourceSize, QFileInfo(in("c.jpg")).size());
    EXPECT_EQ(first.ThumbWidth, 100);
    EXPECT_EQ(first.ThumbHeight, 75);
    EXPECT_EQ(runner.state().ThumbMax, 100);

    Picture written;
    ASSERT_TRUE(LoadPicture(out("Thumb002.jpg"), written));
    EXPECT_EQ(written.width(), 100);
    EXPECT_EQ(written.height(), 75);
}

TEST_F(Runs, WithoutTheRatioEveryThumbnailHasTheTypedSize)
{
    bmp("small.bmp", 50, 20);
    for (const int speed : { 0, 1 }) {
        job.ResizeSpeed = speed;
        job.ConvertTo = "bmp";
        FakeRunHost host(job);
        EXPECT_EQ(run(host, { "small.bmp" }), RunOutcome::Completed);
        Picture written;
        ASSERT_TRUE(LoadPicture(out("Thumb001.bmp"), written));
        EXPECT_EQ(written.width(), 96);
        EXPECT_EQ(written.height(), 96);
    }
}

TEST_F(Runs, ExistingOutputsAreSkippedWhenOverwriteIsOff)
{
    QStringList files;
    for (int i = 0; i < 5; ++i) {
        files << QStringLiteral("p%1.jpg").arg(i);
        jpeg(files.last(), 40, 30);
    }
    test::WriteFile(out("Thumb002.jpg"), "mine");
    test::WriteFile(out("Thumb004.jpg"), "mine too");
    job.OverwriteFiles = false;
    FakeRunHost host(job);
    EXPECT_EQ(run(host, files), RunOutcome::Completed);
    EXPECT_EQ(runner.state().ProcessedCount, 3);
    EXPECT_EQ(host.outcome, "Operation complete. 5 files processed.");
    EXPECT_EQ(test::ReadFile(out("Thumb002.jpg")), "mine");
    EXPECT_EQ(test::ReadFile(out("Thumb004.jpg")), "mine too");
    EXPECT_EQ(runner.state().RunInfo[1].OutputPath, out("Thumb002.jpg"));
    EXPECT_TRUE(host.boxes.texts.isEmpty());
}

TEST_F(Runs, AnUnreadableSourceStopsTheRun)
{
    const QStringList files { "a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg" };
    for (const QString &f : files)
        jpeg(f, 30, 20);
    test::WriteFile(in("c.jpg"), "not a picture");
    FakeRunHost host(job);
    EXPECT_EQ(run(host, files), RunOutcome::LoadFailed);
    EXPECT_EQ(host.boxes.texts, QStringList { "Could not open c.jpg" });
    EXPECT_EQ(host.outcome, "Operation Incomplete. 2 files processed.");
    EXPECT_EQ(outputs(), QStringList({ "Thumb001.jpg", "Thumb002.jpg" }));
}

TEST_F(Runs, CancelFinishesTheFileInHand)
{
    QStringList files;
    for (int i = 0; i < 10; ++i) {
        files << QStringLiteral("f%1.gif").arg(i);
        gif(files.last(), 12, 9);
    }
    FakeRunHost host(job);
    host.cancelAtPump = 3; // during the pump after file 2
    EXPECT_EQ(run(host, files), RunOutcome::Cancelled);
    EXPECT_EQ(host.outcome, "Operation Incomplete. 2 files processed.");
    EXPECT_EQ(outputs().size(), 2);
}

TEST_F(Runs, NoConversionKeepsTheTypesThatCanBeWritten)
{
    gif("g.gif", 20, 10);
    bmp("b.bmp", 20, 10);
    jpeg("j.jpeg", 20, 10);
    jpeg("u.JPG", 20, 10);
    WorkingBitmap raster = Gradient(20, 10);
    test::WriteFile(in("m.emf"), [&] {
        MetafileEncoder m;
        SaveAsMetafile(m, raster);
        return m.recording();
    }());
    job.ConvertTo = "No Conversion";
    job.NamingOption = 1;
    FakeRunHost host(job);
    // j.jpeg's last three letters name no type: it gets no output, and the run says so.
    EXPECT_EQ(run(host, { "g.gif", "b.bmp", "j.jpeg", "u.JPG", "m.emf" }), RunOutcome::UnknownType);
    EXPECT_EQ(outputs(), QStringList({ "Thumbb.bmp", "Thumbg.gif", "Thumbm.emf", "Thumbu.jpg" }));
    EXPECT_EQ(runner.state().RunInfo[2].OutputPath, out("Thumbj."));
    EXPECT_EQ(runner.state().ProcessedCount, 4);
    EXPECT_EQ(host.outcome, "Operation Incomplete. 4 files processed.");
    EXPECT_EQ(host.boxes.texts,
        QStringList { "No file was written for j.jpeg: \"peg\" is not a type Pixmaro writes (jpg, "
                      "gif, bmp, emf or wmf)." });
    EXPECT_TRUE(test::ReadFile(out("Thumbg.gif")).startsWith("GIF87a"));
}

TEST_F(Runs, NumbersThatAreNotIntegersFailTheRun)
{
    jpeg("a.jpg", 30, 20);
    job.MaxHeight = "tall";
    FakeRunHost host(job);
    EXPECT_EQ(run(host, { "a.jpg" }), RunOutcome::Failed);
    EXPECT_EQ(host.boxes.texts, QStringList { "Error during processing!" });
    EXPECT_EQ(host.outcome, "Operation Incomplete. 0 files processed.");

    job.MaxHeight = "96";
    job.SequenceStart = "x";
    FakeRunHost second(job);
    EXPECT_EQ(run(second, { "a.jpg" }), RunOutcome::Failed);
    EXPECT_EQ(runner.state().RunInfo[0].ThumbWidth, 96); // loaded and sized before the name failed
    EXPECT_TRUE(outputs().isEmpty());
}

TEST_F(Runs, AFailedWriteEndsTheRunAndLeavesNoPartialFile)
{
    jpeg("a.jpg", 30, 20);
    jpeg("b.jpg", 30, 20);
    FakeRunHost host(job);
    host.onPump = [&](int pump) {
        if (pump == 2) // after the first file, the output folder goes away
            host.job.OutputFolder = output + "/gone";
    };
    EXPECT_EQ(run(host, { "a.jpg", "b.jpg" }), RunOutcome::Failed);
    EXPECT_EQ(host.outcome, "Operation Incomplete. 1 files processed.");
    EXPECT_EQ(outputs(), QStringList { "Thumb001.jpg" });
}

TEST_F(Runs, ConvertKeepsTheFullSize)
{
    bmp("wide.bmp", 640, 480);
    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "jpg";
    FakeRunHost host(job);
    EXPECT_EQ(run(host, { "wide.bmp" }), RunOutcome::Completed);
    const InfoRec &info = runner.state().RunInfo[0];
    EXPECT_EQ(info.ThumbWidth, 640);
    EXPECT_EQ(info.ThumbHeight, 480);
    EXPECT_EQ(info.OutputPath, out("Image001.jpg"));
    Picture written;
    ASSERT_TRUE(LoadPicture(info.OutputPath, written));
    EXPECT_EQ(written.width(), 640);
}

TEST_F(Runs, RenameStopsAtATakenName)
{
    for (const char *name : { "a.jpg", "b.jpg", "c.jpg" })
        test::WriteFile(in(name), name);
    job.ThumbMode = false;
    job.RenameOnly = true;
    job.OutputFolder = output; // a rename ignores it
    FakeRunHost host(job);
    EXPECT_EQ(run(host, { "a.jpg", "b.jpg", "c.jpg" }), RunOutcome::Completed);
    EXPECT_EQ(QDir(input).entryList(QDir::Files),
        QStringList({ "Image001.jpg", "Image002.jpg", "Image003.jpg" }));
    EXPECT_EQ(test::ReadFile(in("Image002.jpg")), "b.jpg");
    EXPECT_EQ(runner.state().RunInfo[0].SourcePath, in("Image001.jpg"));
    EXPECT_EQ(runner.state().RunInfo[0].ThumbWidth, -1);
    EXPECT_EQ(host.outcome, "Operation complete. 3 files processed.");

    FakeRunHost again(job);
    EXPECT_EQ(run(again, { "Image001.jpg", "Image002.jpg", "Image003.jpg" }),
        RunOutcome::RenameTargetExists);
    EXPECT_EQ(again.boxes.texts,
        QStringList { "Error - duplicate name in folder.  Rename Operation stopped." });
    EXPECT_EQ(again.outcome, "Operation Incomplete. 0 files processed.");

    test::WriteFile(in("x.jpg"), "x");
    test::WriteFile(in("y.jpg"), "y");
    test::WriteFile(in("z.jpg"), "z");
    job.ImageQualifier = "New";
    test::WriteFile(in("New003.jpg"), "taken");
    FakeRunHost third(job);
    EXPECT_EQ(run(third, { "x.jpg", "y.jpg", "z.jpg" }), RunOutcome::RenameTargetExists);
    EXPECT_EQ(third.outcome, "Operation Incomplete. 2 files processed.");
    EXPECT_EQ(test::ReadFile(in("New003.jpg")), "taken");
    EXPECT_EQ(test::ReadFile(in("z.jpg")), "z");
}

TEST_F(Runs, ARefusedRenameIsNotCountedAndTheRunGoesOn)
{
    test::WriteFile(in("a.jpg"), "a");
    test::WriteFile(in("b.jpg"), "b");
    job.ThumbMode = false;
    job.RenameOnly = true;
    job.NamingOption = 1;
    job.ImageQualifier = "sub/"; // the folder does not exist: the file system refuses
    FakeRunHost host(job);
    host.onPump = [&](int pump) {
        if (pump == 2)
            host.job.ImageQualifier = "ok_";
    };
    EXPECT_EQ(run(host, { "a.jpg", "b.jpg" }), RunOutcome::RenamesRefused);
    EXPECT_EQ(host.outcome, "Operation Incomplete. 1 files processed.");
    EXPECT_EQ(host.boxes.texts,
        QStringList { "1 files could not be renamed:\na.jpg -> sub/a.jpg: not a file name" });
    EXPECT_TRUE(QFileInfo::exists(in("a.jpg")));
    EXPECT_TRUE(QFileInfo::exists(in("ok_b.jpg")));
}

TEST_F(Runs, RenamesNeverLeaveTheFolderOrReplaceAnEntry)
{
    test::WriteFile(in("a.jpg"), "a");
    QDir().mkpath(in("sub"));
    QDir().mkpath(in("album.jpg"));
    // A link that points nowhere still takes its name.
    ASSERT_TRUE(QFile::link("../elsewhere/nothing", in("Image001.jpg")));
    job.ThumbMode = false;
    job.RenameOnly = true;
    FakeRunHost host(job);
    EXPECT_EQ(run(host, { "a.jpg" }), RunOutcome::RenameTargetExists);
    EXPECT_EQ(test::ReadFile(in("a.jpg")), "a");
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("elsewhere/nothing")));

    // A qualifier naming a folder is refused, not followed; a folder is not renamed.
    job.ImageQualifier = "sub/x";
    FakeRunHost slash(job);
    EXPECT_EQ(run(slash, { "a.jpg" }), RunOutcome::RenamesRefused);
    EXPECT_TRUE(QDir(in("sub")).isEmpty());
    job.ImageQualifier = "Image";
    FakeRunHost folder(job);
    EXPECT_EQ(run(folder, { "album.jpg" }), RunOutcome::LoadFailed);
    EXPECT_EQ(folder.boxes.texts, QStringList { "Could not open album.jpg" });
    EXPECT_TRUE(QFileInfo(in("album.jpg")).isDir());
}

TEST_F(Runs, OutputsStayInTheirFolderAndNeedASize)
{
    bmp("a.bmp", 1000, 2);
    QDir().mkpath(out("sub"));
    job.ThumbQualifier = "sub/";
    FakeRunHost slash(job);
    EXPECT_EQ(run(slash, { "a.bmp" }), RunOutcome::Failed);
    EXPECT_TRUE(QDir(out("sub")).isEmpty());

    // A side that rounds to nothing is one pixel; a maximum of 0 writes nothing at all.
    job.ThumbQualifier = "Thumb";
    job.KeepRatio = true;
    job.MaxWidth = "10";
    FakeRunHost thin(job);
    EXPECT_EQ(run(thin, { "a.bmp" }), RunOutcome::Completed);
    EXPECT_EQ(runner.state().RunInfo[0].ThumbHeight, 1);
    const QByteArray good = test::ReadFile(out("Thumb001.jpg"));
    for (const char *width : { "0", "-0" }) {
        job.MaxWidth = width;
        FakeRunHost zero(job);
        EXPECT_EQ(run(zero, { "a.bmp" }), RunOutcome::Failed);
        EXPECT_EQ(zero.boxes.texts, QStringList { "Error during processing!" });
    }
    job.KeepRatio = false;
    job.MaxWidth = "96";
    job.MaxHeight = "-5";
    FakeRunHost negative(job);
    EXPECT_EQ(run(negative, { "a.bmp" }), RunOutcome::Failed);
    EXPECT_EQ(test::ReadFile(out("Thumb001.jpg")), good);
}

TEST_F(Runs, OnlyRegularFilesAreRead)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(in("pipe.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(in("pipe.jpg"), in("link.gif")));
    FakeRunHost thumbs(job);
    EXPECT_EQ(run(thumbs, { "link.gif" }), RunOutcome::LoadFailed);
    EXPECT_EQ(thumbs.boxes.texts, QStringList { "Could not open link.gif" });

    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "No Conversion";
    FakeRunHost copy(job);
    EXPECT_EQ(run(copy, { "pipe.jpg" }), RunOutcome::Failed);
    EXPECT_TRUE(outputs().isEmpty());
}

TEST_F(Runs, PlainCopiesAreExactAndNeverCopyAFileOntoItself)
{
    QByteArray content;
    for (int i = 0; i < 5000; ++i)
        content.append(char(i * 7));
    test::WriteFile(in("data.bmp"), content);
    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "No Conversion";
    FakeRunHost host(job);
    EXPECT_EQ(run(host, { "data.bmp" }), RunOutcome::Completed);
    EXPECT_EQ(test::ReadFile(out("Image001.bmp")), content);
    EXPECT_EQ(runner.state().RunInfo[0].ThumbHeight, -1);
    EXPECT_EQ(runner.state().RunInfo[0].SourceSize, 5000);

    // Overwrite off onto existing names: nothing copied, and the run is still complete.
    job.OverwriteFiles = false;
    test::WriteFile(out("Image001.bmp"), "old");
    FakeRunHost keep(job);
    EXPECT_EQ(run(keep, { "data.bmp" }), RunOutcome::Completed);
    EXPECT_EQ(runner.state().ProcessedCount, 0);
    EXPECT_EQ(keep.outcome, "Operation complete. 1 files processed.");
    EXPECT_EQ(test::ReadFile(out("Image001.bmp")), "old");

    // Option 1 with an empty qualifier into the input folder names the source itself.
    job.OverwriteFiles = true;
    job.OutputFolder = input;
    job.NamingOption = 1;
    job.ImageQualifier = "";
    FakeRunHost self(job);
    EXPECT_EQ(run(self, { "data.bmp" }), RunOutcome::Completed);
    EXPECT_EQ(runner.state().ProcessedCount, 0);
    EXPECT_EQ(test::ReadFile(in("data.bmp")), content);
}

TEST_F(Runs, CancelDuringACopyAndAMissingSource)
{
    QStringList files;
    for (int i = 0; i < 10; ++i) {
        files << QStringLiteral("f%1.gif").arg(i);
        test::WriteFile(in(files.last()), "x");
    }
    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "No Conversion";
    FakeRunHost host(job);
    host.cancelAtPump = 5;
    EXPECT_EQ(run(host, files), RunOutcome::Cancelled);
    EXPECT_EQ(host.outcome, "Operation Incomplete. 4 files processed.");

    FakeRunHost missing(job);
    EXPECT_EQ(run(missing, { "f0.gif", "nothere.gif" }), RunOutcome::Failed);
    EXPECT_EQ(missing.boxes.texts, QStringList { "Error during processing!" });
    EXPECT_EQ(missing.outcome, "Operation Incomplete. 1 files processed.");
}

} // namespace
} // namespace pixmaro
