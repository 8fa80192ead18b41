// Tests of runs that decode ahead on worker threads: the same files, in the same order, with the
// same messages and counts as a run that decodes every file itself.
#include "imaging/Encoders.h"
#include "imaging/JpegDecoder.h"
#include "job/BatchRunner.h"
#include "support/FakeRunHost.h"
#include "support/JpegFiles.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pixmaro {
namespace {

using test::FakeRunHost;

WorkingBitmap Pattern(int w, int h, int seed)
{
    WorkingBitmap r;
    r.resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            test::Set(
                r, x, y, { (x * 3 + seed * 40) & 255, (y * 2 + x) & 255, (x ^ (y + seed)) & 255 });
    return r;
}

// What a run left: the output files with their bytes, the count, the outcome line and the boxes.
struct Result {
    std::map<QString, QByteArray> files;
    int processed = 0;
    QString outcome;
    QStringList boxes;
    RunOutcome how = RunOutcome::Failed;
    friend bool operator==(const Result &, const Result &) = default;
};

class ParallelRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        input = QDir::cleanPath(m_dir.filePath("in"));
        QDir().mkpath(input);
        for (int i = 0; i < 10; ++i) {
            const WorkingBitmap raster = Pattern(320 + 31 * i, 240 - 7 * i, i);
            const QString name = QStringLiteral("p%1.%2").arg(i).arg(i == 4 ? "bmp" : "jpg");
            names << name;
            if (i == 4) {
                test::WriteFile(PathIn(name), EncodeBmp(raster));
                continue;
            }
            JpegEncoder encoder;
            SaveAsJpeg(encoder, raster, 80 + i);
            ASSERT_FALSE(encoder.save(PathIn(name)).has_value());
        }
        job.InputFolder = input;
        job.KeepRatio = true;
        job.MaxWidth = "64";
    }

    QString PathIn(const QString &name) const { return input + "/" + name; }

    // Runs `job` on `files` with `threads` decoding threads into a fresh output folder.
    // `onPump` is called at every message pump, those while a worker is awaited included.
    Result run(int threads, const QStringList &files,
        const std::function<void(FakeRunHost &, BatchRunner &)> &onPump = {})
    {
        const QString output = m_dir.filePath(QStringLiteral("out%1").arg(++m_runs));
        QDir().mkpath(output);
        JobSettings settings = job;
        settings.OutputFolder = output;
        FakeRunHost host(settings);
        BatchRunner runner;
        runner.setDecodeThreads(threads);
        if (onPump)
            host.onPump = [&](int) { onPump(host, runner); };
        Result result;
        result.how = runner.bGOClick(host, files);
        for (const QString &name : QDir(output).entryList(QDir::Files, QDir::Name))
            result.files[name] = test::ReadFile(output + "/" + name);
        result.processed = runner.state().ProcessedCount;
        result.outcome = host.outcome;
        result.boxes = host.boxes.texts;
        return result;
    }

    QTemporaryDir m_dir;
    QString input;
    QStringList names;
    JobSettings job;
    int m_runs = 0;
};

TEST_F(ParallelRuns, EveryOutputEqualsTheSingleThreadedRun)
{
    const struct {
        const char *what;
        bool thumbnails;
        int speed;
        const char *convertTo;
    } jobs[] = { { "quality thumbnails", true, 1, "jpg" }, { "fast thumbnails", true, 0, "bmp" },
        { "GIF thumbnails", true, 1, "gif" }, { "convert to JPEG", false, 1, "jpg" },
        { "convert to GIF", false, 1, "gif" }, { "convert to BMP", false, 1, "bmp" } };
    for (const auto &j : jobs) {
        job.ThumbMode = j.thumbnails;
        job.RenameOnly = false;
        job.ResizeSpeed = j.speed;
        job.ConvertTo = j.convertTo;
        const Result single = run(1, names);
        EXPECT_EQ(single.processed, names.size()) << j.what;
        for (const int threads : { 2, 4 })
            EXPECT_TRUE(run(threads, names) == single) << j.what << ", " << threads << " threads";
    }
}

TEST_F(ParallelRuns, AFailingThirdFileStopsTheRunThereAndNothingAfterItIsWritten)
{
    test::WriteFile(PathIn("p2.jpg"), "not a picture at all");
    for (const bool thumbnails : { true, false }) {
        job.ThumbMode = thumbnails;
        job.RenameOnly = false;
        job.ConvertTo = thumbnails ? "jpg" : "gif";
        const Result single = run(1, names);
        ASSERT_EQ(single.how, RunOutcome::LoadFailed);
        EXPECT_EQ(single.boxes, QStringList { "Could not open p2.jpg" });
        EXPECT_EQ(single.processed, 2);
        EXPECT_EQ(single.outcome, "Operation Incomplete. 2 files processed.");
        EXPECT_EQ(single.files.size(), 2u);
        for (const int threads : { 2, 3 }) {
            const Result parallel = run(threads, names);
            EXPECT_TRUE(parallel == single) << threads << " threads";
        }
    }
}

TEST_F(ParallelRuns, APipeNamedLikeAPictureIsNeverOpenedByAWorker)
{
    // Opening a pipe for reading waits for a writer: a worker that did so would never come back.
    QFile::remove(PathIn("p3.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathIn("p3.jpg")).constData(), 0600), 0);
    for (const int threads : { 1, 3 }) {
        const Result result = run(threads, names);
        EXPECT_EQ(result.boxes, QStringList { "Could not open p3.jpg" }) << threads;
        EXPECT_EQ(result.processed, 3) << threads;
    }
}

TEST_F(ParallelRuns, CancelStopsAtTheFileInHandWhileWorkersRunAhead)
{
    // "Cancel" is pressed while file 3 is in hand: it is finished, nothing after it is written.
    for (const int threads : { 1, 2, 4 }) {
        const Result result = run(threads, names, [](FakeRunHost &host, BatchRunner &runner) {
            if (host.counters.last() == QLatin1String("3 of 10"))
                runner.state().CancelRequested = true;
        });
        EXPECT_EQ(result.how, RunOutcome::Cancelled) << threads;
        EXPECT_EQ(result.processed, 3) << threads;
        EXPECT_EQ(result.outcome, "Operation Incomplete. 3 files processed.") << threads;
        ASSERT_EQ(result.files.size(), 3u) << threads;
        EXPECT_EQ(result.files.rbegin()->first, "Thumb003.jpg");
    }
}

TEST_F(ParallelRuns, CancelWhileAWorkerDecodesEndsThatDecode)
{
    // File 2 is large and converted in full; "Cancel" is pressed while the run waits for the
    // worker decoding it: the decode stops, the run ends as cancelled without "Could not open",
    // nothing more is written.
    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "gif";
    const WorkingBitmap large = Pattern(4000, 3000, 7);
    JpegEncoder encoder;
    SaveAsJpeg(encoder, large, 95);
    ASSERT_FALSE(encoder.save(PathIn("large.jpg")).has_value());
    const Result result
        = run(2, { names[0], "large.jpg" }, [](FakeRunHost &host, BatchRunner &runner) {
              if (host.counters.last() == QLatin1String("2 of 2"))
                  runner.state().CancelRequested = true;
          });
    EXPECT_EQ(result.how, RunOutcome::Cancelled);
    EXPECT_TRUE(result.boxes.isEmpty()) << result.boxes.join(u'|').toStdString();
    EXPECT_EQ(result.processed, 1);
    EXPECT_EQ(result.outcome, "Operation Incomplete. 1 files processed.");
    EXPECT_EQ(result.files.size(), 1u);
}

TEST_F(ParallelRuns, AProgressiveJpegGoesToBmpRowByRowAndABrokenOneLeavesNothing)
{
    // p1 is progressive; p6 is progressive with a last scan libjpeg refuses.
    const auto progressive = [&](const QString &name, bool broken) {
        const WorkingBitmap raster = Pattern(150, 97, 3);
        QByteArray jpeg = test::CompressJpeg(
            150, 97, 3, JCS_RGB, 90,
            [](jpeg_compress_struct &info) { jpeg_simple_progression(&info); },
            [&](int y, std::vector<JSAMPLE> &samples) {
                for (int x = 0; x < 150; ++x)
                    for (int c = 0; c < 3; ++c)
                        samples[std::size_t(3 * x + c)] = raster.row(y)[3 * x + 2 - c];
            });
        if (broken) { // the last scan's band becomes 5 .. 2
            const qsizetype sos = jpeg.lastIndexOf("\xFF\xDA");
            const int components = jpeg[sos + 4];
            jpeg[sos + 5 + 2 * components] = 5;
            jpeg[sos + 6 + 2 * components] = 2;
        }
        test::WriteFile(PathIn(name), jpeg);
    };
    progressive("p1.jpg", false);
    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "bmp";
    WorkingBitmap decoded;
    ASSERT_TRUE(DecodeJpegFile(PathIn("p1.jpg"), decoded));
    const Result whole = run(2, names);
    ASSERT_EQ(whole.processed, 10);
    EXPECT_TRUE(whole.files.at("Image002.bmp") == EncodeBmp(decoded));

    progressive("p6.jpg", true);
    for (const int threads : { 1, 2 }) {
        const Result result = run(threads, names);
        EXPECT_EQ(result.boxes, QStringList { "Could not open p6.jpg" }) << threads;
        EXPECT_EQ(result.processed, 6) << threads;
        EXPECT_EQ(result.files.size(), 6u) << threads; // no temporary file left
        EXPECT_TRUE(result.files.at("Image002.bmp") == whole.files.at("Image002.bmp")) << threads;
    }
    // An output kept (overwriting off) is not written, but its source is still read through.
    job.OverwriteFiles = false;
    const QString next = m_dir.filePath(QStringLiteral("out%1").arg(m_runs + 1));
    QDir().mkpath(next);
    test::WriteFile(next + "/Image007.bmp", "kept");
    const Result kept = run(2, names);
    EXPECT_EQ(kept.boxes, QStringList { "Could not open p6.jpg" });
    EXPECT_EQ(kept.files.at("Image007.bmp"), QByteArray("kept"));
    EXPECT_EQ(kept.processed, 6); // the streamed p1 among them
    EXPECT_TRUE(kept.files.at("Image002.bmp") == whole.files.at("Image002.bmp"));
}

TEST_F(ParallelRuns, CancelWhileAProgressiveJpegIsStreamedToBmpEndsThatDecode)
{
    // The run's own thread decodes a large progressive file into its BMP; events are let through
    // meanwhile, and "Cancel" pressed then ends the decode: nothing more is written.
    job.ThumbMode = false;
    job.RenameOnly = false;
    job.ConvertTo = "bmp";
    const QByteArray large = test::CompressJpeg(
        4000, 3000, 3, JCS_RGB, 90,
        [](jpeg_compress_struct &info) { jpeg_simple_progression(&info); },
        [](int y, std::vector<JSAMPLE> &samples) {
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = JSAMPLE((i * 7 + std::size_t(y) * 3) & 0xFF);
        });
    test::WriteFile(PathIn("large.jpg"), large);
    for (const int threads : { 1, 2 }) {
        const Result result
            = run(threads, { names[0], "large.jpg" }, [](FakeRunHost &host, BatchRunner &runner) {
                  if (host.counters.last() == QLatin1String("2 of 2"))
                      runner.state().CancelRequested = true;
              });
        EXPECT_EQ(result.how, RunOutcome::Cancelled) << threads;
        EXPECT_TRUE(result.boxes.isEmpty()) << result.boxes.join(u'|').toStdString();
        EXPECT_EQ(result.processed, 1) << threads;
        EXPECT_EQ(result.files.size(), 1u) << threads; // no temporary file left either
    }
}

TEST_F(ParallelRuns, AFileDecodedAheadWithOtherSettingsIsDecodedAgain)
{
    // After the first file the resize speed and the force flag change, after the second the speed
    // changes back: files decoded ahead for other settings must not be used.
    const auto change = [](FakeRunHost &host, BatchRunner &) {
        if (host.counters.last() == QLatin1String("1 of 10")) {
            host.job.ResizeSpeed = 0;
            host.job.setForceHeight(true);
        }
        if (host.counters.last() == QLatin1String("2 of 10"))
            host.job.ResizeSpeed = 1;
    };
    const Result single = run(1, names, change);
    EXPECT_EQ(single.processed, 10);
    for (const int threads : { 2, 4 })
        EXPECT_TRUE(run(threads, names, change) == single) << threads << " threads";
}

} // namespace
} // namespace pixmaro
