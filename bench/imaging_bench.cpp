// Imaging benchmark: load + decode of JPEG files against djpeg on the same files, the quality
// resize to a thumbnail against that decode, and peak memory for one file.
//
//   imaging_bench decode FILE...   median times, ours vs `djpeg -dct int -bmp -outfile /dev/null`
//   imaging_bench peak FILE        peak memory of load + decode + resize, against the raster size
//   imaging_bench encode FILE      SaveAsJpeg against cjpeg on the same pixels (a 96-pixel
//                                  thumbnail and the full picture), SaveAsGif of both with its
//                                  phases
//   imaging_bench thumbs full|rows FILE...  the thumbnail run's work (load, quality resize to
//                                  96 px, JPEG q90) on this thread: time, CPU, page faults
//   imaging_bench rows FILE...     for thumbnails of several sizes, both resize speeds: the rows
//                                  a JPEG decode keeps against the same rows of a full decode,
//                                  and the thumbnails made from each (must be identical), with
//                                  the time of the full and of the row-skipping load
#include "imaging/Encoders.h"
#include "imaging/Geometry.h"
#include "imaging/JpegDecoder.h"
#include "imaging/Picture.h"
#include "imaging/Resample.h"
#include "imaging/gif/GifWriter.h"
#include "job/ThumbnailPlan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <vector>

using namespace pixmaro;

namespace {

constexpr int kRuns = 5;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F> double TimeMs(F &&run)
{
    std::vector<double> times;
    run(); // warm-up: page cache and allocator
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

long PeakKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int Decode(const QStringList &files)
{
    Picture picture;
    WorkingBitmap working;
    ScratchBitmap scratch;
    double oursTotal = 0, djpegTotal = 0, resizeTotal = 0;
    std::printf("%-40s %9s %9s %7s %9s %7s\n", "file", "ours_ms", "djpeg_ms", "ratio", "resize_ms",
        "resize%");
    for (const QString &file : files) {
        const double ours = TimeMs([&] {
            if (!LoadPicture(file, picture))
                std::fprintf(stderr, "cannot load %s\n", qPrintable(file));
            DecodeToBitmap(working, picture);
        });
        const double djpeg = TimeMs([&] {
            QProcess::execute("djpeg", { "-dct", "int", "-bmp", "-outfile", "/dev/null", file });
        });
        // The process start is part of djpeg's time; subtract a run of `true` to leave the decode.
        const double start = TimeMs([] { QProcess::execute("true", {}); });
        const ThumbSize size = FitWithinMax(working.width(), working.height(), 96);
        WorkingBitmap full;
        full.copyFrom(working);
        std::vector<double> resizeTimes;
        for (int i = 0; i < kRuns; ++i) {
            working.copyFrom(full);
            QElapsedTimer timer;
            timer.start();
            ResizeQuality(working, scratch, size.width, size.height);
            resizeTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        const double resize = Median(resizeTimes);
        const double decodeOnly = djpeg - start;
        oursTotal += ours;
        djpegTotal += decodeOnly;
        resizeTotal += resize;
        std::printf("%-40s %9.1f %9.1f %7.3f %9.2f %6.2f%%\n",
            qPrintable(QFileInfo(file).fileName()), ours, decodeOnly, ours / decodeOnly, resize,
            100 * resize / ours);
    }
    std::printf("%-40s %9.1f %9.1f %7.3f %9.2f %6.2f%%\n", "TOTAL", oursTotal, djpegTotal,
        oursTotal / djpegTotal, resizeTotal, 100 * resizeTotal / oursTotal);
    return 0;
}

int Peak(const QString &file)
{
    const long before = PeakKb();
    Picture picture;
    WorkingBitmap working;
    ScratchBitmap scratch;
    if (!LoadPicture(file, picture))
        return 1;
    MoveToBitmap(working, picture); // as the thumbnail run does
    const double raster = double(working.byteCount()) / 1024;
    const ThumbSize size = FitWithinMax(working.width(), working.height(), 96);
    ResizeQuality(working, scratch, size.width, size.height);
    const long after = PeakKb();
    std::printf("%s: raster %.0f KiB, peak growth %ld KiB, %.2f x the raster\n", qPrintable(file),
        raster, after - before, double(after - before) / raster);
    return 0;
}

bool WritePpm(const WorkingBitmap &raster, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(
        QStringLiteral("P6\n%1 %2\n255\n").arg(raster.width()).arg(raster.height()).toLatin1());
    QByteArray row(raster.width() * 3, 0);
    for (int y = 0; y < raster.height(); ++y) {
        const std::uint8_t *p = raster.row(y);
        for (int x = 0; x < raster.width(); ++x) {
            row[3 * x] = char(p[3 * x + 2]);
            row[3 * x + 1] = char(p[3 * x + 1]);
            row[3 * x + 2] = char(p[3 * x]);
        }
        file.write(row);
    }
    return true;
}

void CompareJpeg(const char *label, const WorkingBitmap &raster)
{
    const QString ppm
        = QStringLiteral("/tmp/pixmaro-bench-%1.ppm").arg(QCoreApplication::applicationPid());
    WritePpm(raster, ppm);
    JpegEncoder encoder;
    const double ours = TimeMs([&] {
        SaveAsJpeg(encoder, raster, 90);
        QString error;
        encoder.compress(&error);
    });
    const double cjpeg = TimeMs([&] {
        QProcess::execute("cjpeg", { "-quality", "90", "-baseline", "-outfile", "/dev/null", ppm });
    });
    const double start = TimeMs([] { QProcess::execute("true", {}); });
    std::printf("SaveAsJpeg %-10s %5dx%-5d ours %8.3f ms  cjpeg %8.3f ms (%8.3f without the "
                "process start)  ratio %.3f\n",
        label, raster.width(), raster.height(), ours, cjpeg, cjpeg - start, ours / (cjpeg - start));
    QFile::remove(ppm);
}

void GifPhases(const char *label, const WorkingBitmap &raster)
{
    GifEncoder gif;
    const double total = TimeMs([&] { SaveAsGif(gif, raster); });
    JpegEncoder temporary;
    temporary.setImage(raster, 100);
    QString error;
    QByteArray jpeg;
    const double compress = TimeMs([&] { jpeg = *temporary.compress(&error); });
    QuantizedImage quantized;
    int code = 0;
    const double quantize = TimeMs([&] {
        DecodeJpegQuantized(reinterpret_cast<const std::uint8_t *>(jpeg.constData()),
            std::size_t(jpeg.size()), 236, quantized, &code);
    });
    const double optimise = TimeMs([&] {
        gif::GifFile copy = gif.image();
        gif::OptimizeColorMap(copy);
    });
    const double write = TimeMs([&] { gif::EncodeGif87a(gif.image()); });
    std::printf("SaveAsGif  %-10s %5dx%-5d total %8.3f ms: jpeg q100 %8.3f, quantiser %8.3f, "
                "OptimizeColorMap %7.3f, LZW and file %7.3f\n",
        label, raster.width(), raster.height(), total, compress, quantize, optimise, write);
}

int Encode(const QString &file)
{
    Picture picture;
    WorkingBitmap full, thumb;
    ScratchBitmap scratch;
    if (!LoadPicture(file, picture))
        return 1;
    DecodeToBitmap(full, picture);
    thumb.copyFrom(full);
    const ThumbSize size = FitWithinMax(full.width(), full.height(), 96);
    ResizeQuality(thumb, scratch, size.width, size.height);
    CompareJpeg("thumbnail", thumb);
    CompareJpeg("full", full);
    GifPhases("thumbnail", thumb);
    GifPhases("full", full);
    return 0;
}

bool SameRows(const WorkingBitmap &kept, const WorkingBitmap &full)
{
    if (kept.width() != full.width() || kept.height() != full.height())
        return false;
    for (int y = 0; y < full.height(); ++y) {
        if (kept.holdsRow(y)
            && std::memcmp(kept.row(y), full.row(y), std::size_t(full.width()) * 3) != 0)
            return false;
    }
    return true;
}

bool SamePixels(const WorkingBitmap &a, const WorkingBitmap &b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.row(y), b.row(y), std::size_t(a.width()) * 3) != 0)
            return false;
    }
    return true;
}

// The thumbnail of `source` (a loaded picture) for `plan`, as the thumbnail run makes it.
void Thumbnail(
    Picture &picture, const ThumbnailPlan &plan, WorkingBitmap &working, ScratchBitmap &scratch)
{
    const ThumbSize size = plan.sizeFor(picture.width(), picture.height());
    if (plan.ResizeSpeed == 1) {
        MoveToBitmap(working, picture);
        ResizeQuality(working, scratch, size.width, size.height);
    } else {
        ResizeFast(picture, size.width, size.height, working);
    }
}

int Rows(const QStringList &files)
{
    std::vector<ThumbnailPlan> plans;
    for (const int speed : { 1, 0 }) {
        plans.push_back({ true, 96, 96, 96, false, false, speed }); // fit in 96
        plans.push_back({ true, 300, 300, 300, true, false, speed }); // 300 wide
        plans.push_back({ true, 37, 37, 37, false, true, speed }); // 37 high
        plans.push_back({ false, 96, 96, 96, false, false, speed }); // stretched to 96 x 96
        plans.push_back({ false, 7, 7, 1500, false, false, speed }); // 7 x 1500
    }
    int failures = 0;
    double fullTotal = 0, keptTotal = 0;
    std::printf("%-32s %9s %9s %7s  %s\n", "file", "full_ms", "rows_ms", "ratio", "result");
    for (const QString &file : files) {
        Picture full, kept;
        WorkingBitmap a, b;
        ScratchBitmap scratch;
        bool same = true;
        for (const ThumbnailPlan &plan : plans) {
            const RowChooser chooser = [&plan](int w, int h) { return plan.rowsFor(w, h); };
            if (!LoadPicture(file, full) || !LoadPicture(file, kept, nullptr, chooser)) {
                std::printf("%s: cannot load\n", qPrintable(file));
                ++failures;
                same = false;
                break;
            }
            const bool rowsSame = SameRows(kept.pixels(), full.pixels());
            Thumbnail(full, plan, a, scratch);
            Thumbnail(kept, plan, b, scratch);
            if (!rowsSame || !SamePixels(a, b)) {
                std::printf("%s: plan speed %d %dx%d differs (rows %s)\n", qPrintable(file),
                    plan.ResizeSpeed, plan.typedWidth, plan.typedHeight,
                    rowsSame ? "same" : "differ");
                same = false;
            }
        }
        failures += same ? 0 : 1;
        const ThumbnailPlan &thumb = plans[0];
        const RowChooser chooser = [&thumb](int w, int h) { return thumb.rowsFor(w, h); };
        const double fullMs = TimeMs([&] { LoadPicture(file, full); });
        const double keptMs = TimeMs([&] { LoadPicture(file, kept, nullptr, chooser); });
        fullTotal += fullMs;
        keptTotal += keptMs;
        std::printf("%-32s %9.1f %9.1f %7.3f  %s\n", qPrintable(QFileInfo(file).fileName()), fullMs,
            keptMs, keptMs / fullMs, same ? "identical" : "DIFFERENT");
    }
    std::printf("%-32s %9.1f %9.1f %7.3f  %d file(s) differ\n", "TOTAL", fullTotal, keptTotal,
        keptTotal / fullTotal, failures);
    return failures == 0 ? 0 : 1;
}

int Thumbs(bool rows, const QStringList &files)
{
    const ThumbnailPlan plan { true, 96, 96, 96, false, false, 1 };
    const RowChooser chooser = [&plan](int w, int h) { return plan.rowsFor(w, h); };
    Picture picture;
    WorkingBitmap working;
    ScratchBitmap scratch;
    rusage before {}, after {};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer timer;
    timer.start();
    qint64 bytes = 0;
    for (const QString &file : files) {
        if (!LoadPicture(file, picture, nullptr, rows ? chooser : RowChooser()))
            return 1;
        const ThumbSize size = plan.sizeFor(picture.width(), picture.height());
        MoveToBitmap(working, picture);
        ResizeQuality(working, scratch, size.width, size.height);
        bytes += CompressJpeg(working, 90, nullptr)->size();
    }
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    getrusage(RUSAGE_SELF, &after);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    std::printf("%s: %lld files, wall %.3f s, cpu %.3f s, minor faults %ld, peak %ld KiB, %lld "
                "bytes out\n",
        rows ? "rows" : "full", static_cast<long long>(files.size()), wall,
        seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime)
            - seconds(before.ru_stime),
        after.ru_minflt - before.ru_minflt, after.ru_maxrss, static_cast<long long>(bytes));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == "decode")
        return Decode(args.mid(1));
    if (args.size() == 2 && args[0] == "peak")
        return Peak(args[1]);
    if (args.size() == 2 && args[0] == "encode")
        return Encode(args[1]);
    if (args.size() >= 2 && args[0] == "rows")
        return Rows(args.mid(1));
    if (args.size() >= 3 && args[0] == "thumbs")
        return Thumbs(args[1] == "rows", args.mid(2));
    if (args.size() == 3 && args[0] == "load") { // one load, for profilers: load full|rows FILE
        Picture picture;
        const ThumbnailPlan plan { true, 96, 96, 96, false, false, 1 };
        const RowChooser chooser = [&plan](int w, int h) { return plan.rowsFor(w, h); };
        return LoadPicture(args[2], picture, nullptr, args[1] == "rows" ? chooser : RowChooser())
            ? 0
            : 1;
    }
    std::fprintf(
        stderr, "usage: imaging_bench decode FILE... | peak FILE | encode FILE | rows FILE...\n");
    return 2;
}
