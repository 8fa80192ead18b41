// Imaging benchmark: load + decode of JPEG files against djpeg on the same files, the quality
// resize to a thumbnail against that decode, and peak memory for one file.
//
//   imaging_bench decode FILE...   median times, ours vs `djpeg -dct int -bmp -outfile /dev/null`
//   imaging_bench peak FILE        peak memory of load + decode + resize, against the raster size
#include "imaging/Geometry.h"
#include "imaging/Picture.h"
#include "imaging/Resample.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
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
    DecodeToBitmap(working, picture);
    const double raster = double(working.byteCount()) / 1024;
    const ThumbSize size = FitWithinMax(working.width(), working.height(), 96);
    ResizeQuality(working, scratch, size.width, size.height);
    const long after = PeakKb();
    std::printf("%s: raster %.0f KiB, peak growth %ld KiB, %.2f x the raster\n", qPrintable(file),
        raster, after - before, double(after - before) / raster);
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
    std::fprintf(stderr, "usage: imaging_bench decode FILE... | peak FILE\n");
    return 2;
}
