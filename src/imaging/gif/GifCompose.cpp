// Drawing a GIF's frames: the first frame for the runs, every frame composed for an animation.
#include "imaging/gif/GifCompose.h"

#include <algorithm>
#include <cstring>

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
        // Only the frame's own area changes, so only that area is kept for "restore previous".
        const QRect area(frame.left, frame.top, frame.width, frame.height);
        const QImage before
            = frame.disposal == Disposal::RestorePrevious ? screen.copy(area) : QImage();
        // One detach per frame (the previous screen may still be shared with `show`'s caller),
        // then plain stores.
        auto *bits = reinterpret_cast<QRgb *>(screen.bits());
        const qsizetype stride = screen.bytesPerLine() / qsizetype(sizeof(QRgb));
        DrawFrame(file, frame,
            [&](int x, int y, Rgb c) { bits[y * stride + x] = qRgb(c.red, c.green, c.blue); });
        if (!show(screen, frame.delayCentiseconds * 10))
            return;
        if (frame.disposal == Disposal::RestoreBackground) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                QRgb *row = reinterpret_cast<QRgb *>(screen.scanLine(y));
                std::fill(row + area.left(), row + area.left() + area.width(), qRgba(0, 0, 0, 0));
            }
        } else if (frame.disposal == Disposal::RestorePrevious && !area.isEmpty()) {
            for (int y = 0; y < area.height(); ++y)
                std::memcpy(reinterpret_cast<QRgb *>(screen.scanLine(area.top() + y)) + area.left(),
                    before.constScanLine(y), std::size_t(area.width()) * sizeof(QRgb));
        }
    }
}

} // namespace pixmaro::gif
