// Drawing a GIF's frames: the first frame for the runs, every frame composed for an animation.
#include "imaging/gif/GifCompose.h"

namespace pixmaro::gif {

namespace {

template <typename Put> void DrawFrame(const GifFile &file, const Frame &frame, Put put)
{
    const ColorTable &table = frame.colors(file.globalColors);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(frame.width) + std::size_t(x);
            const int index = frame.indexes[i];
            if (!frame.isPainted(x, y) || index == frame.transparentIndex)
                continue;
            put(frame.left + x, frame.top + y, ColorOf(table, index));
        }
    }
}

} // namespace

void DrawFirstFrameOnWhite(const GifFile &file, WorkingBitmap &out)
{
    out.resizeToOverwrite(file.screenWidth, file.screenHeight);
    out.fill(255, 255, 255);
    if (file.frames.empty())
        return;
    DrawFrame(file, file.frames.front(), [&](int x, int y, Rgb c) {
        std::uint8_t *p = out.row(y) + 3 * x;
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
    });
}

void ComposeFrames(
    const GifFile &file, const std::function<bool(const QImage &, int delayMs)> &show)
{
    QImage screen(file.screenWidth, file.screenHeight, QImage::Format_ARGB32);
    screen.fill(Qt::transparent);
    for (const Frame &frame : file.frames) {
        const QImage before
            = frame.disposal == Disposal::RestorePrevious ? screen.copy() : QImage();
        DrawFrame(file, frame,
            [&](int x, int y, Rgb c) { screen.setPixel(x, y, qRgb(c.red, c.green, c.blue)); });
        if (!show(screen, frame.delayCentiseconds * 10))
            return;
        if (frame.disposal == Disposal::RestoreBackground) {
            for (int y = frame.top; y < frame.top + frame.height; ++y) {
                for (int x = frame.left; x < frame.left + frame.width; ++x)
                    screen.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        } else if (frame.disposal == Disposal::RestorePrevious) {
            screen = before;
        }
    }
}

} // namespace pixmaro::gif
