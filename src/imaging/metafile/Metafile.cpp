// Windows metafiles (WMF, with or without the placeable header) and enhanced metafiles (EMF):
// their nominal size and their playback with QPainter.
#include "imaging/metafile/Metafile.h"

#include "base/ByteReader.h"
#include "base/Cancel.h"
#include "imaging/WorkingBitmap.h"
#include "imaging/metafile/EmfRecords.h"
#include "imaging/metafile/Player.h"
#include "imaging/metafile/WmfRecords.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pixmaro::metafile {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    long long quotient = product / c;
    const long long remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient < INT32_MIN || quotient > INT32_MAX)
        return -1;
    return static_cast<int>(quotient);
}

bool Metafile::Read(const QByteArray &bytes, Metafile &out, const std::atomic<bool> *cancel)
{
    out = Metafile();
    const ByteReader v(bytes);
    if (v.size() >= 88 && v.u32At(0) == EmrHeader && v.u32At(40) == kEmfSignature) {
        out.m_format = Format::Emf;
        out.m_hasFrame = true;
        out.m_frameLeft = v.i32At(24);
        out.m_frameTop = v.i32At(28);
        out.m_frameWidth = double(v.i32At(32)) - v.i32At(24);
        out.m_frameHeight = double(v.i32At(36)) - v.i32At(28);
        out.m_devicePixels = QSize(v.i32At(72), v.i32At(76));
        out.m_deviceMillimetres = QSize(v.i32At(80), v.i32At(84));
        const long long frameWidth = (long long)v.i32At(32) - v.i32At(24);
        const long long frameHeight = (long long)v.i32At(36) - v.i32At(28);
        if (frameWidth > 0 && frameHeight > 0 && frameWidth < INT32_MAX / 96
            && frameHeight < INT32_MAX / 96) {
            out.m_width = MulDiv(int(frameWidth), 96, 2540);
            out.m_height = MulDiv(int(frameHeight), 96, 2540);
        } else { // no frame: the bounds, in device pixels, inclusive
            out.m_width
                = int(std::clamp<long long>((long long)v.i32At(16) - v.i32At(8) + 1, 0, INT32_MAX));
            out.m_height = int(
                std::clamp<long long>((long long)v.i32At(20) - v.i32At(12) + 1, 0, INT32_MAX));
            out.m_hasFrame = false;
        }
    } else {
        out.m_format = Format::Wmf;
        std::size_t at = 0;
        if (v.size() >= 22 && v.u32At(0) == kPlaceableKey) {
            const int left = v.i16At(6), top = v.i16At(8), right = v.i16At(10),
                      bottom = v.i16At(12);
            const int inch = v.u16At(14);
            if (inch == 0)
                return false;
            out.m_window = QRectF(left, top, right - left, bottom - top);
            out.m_width = MulDiv(MulDiv(std::abs(right - left), 2540, inch), 96, 2540);
            out.m_height = MulDiv(MulDiv(std::abs(bottom - top), 2540, inch), 96, 2540);
            at = 22;
        }
        if (v.size() < at + 18 || (v.u16At(at) != 1 && v.u16At(at) != 2) || v.u16At(at + 2) != 9)
            return false;
        out.m_recordsAt = int(at + 18);
        if (out.m_width == 0 && out.m_height == 0) {
            // Without the placeable header the picture is the first window extent it sets. The
            // search looks no further than a playback could play.
            std::size_t record = at + 18;
            for (std::uint64_t count = 0;
                 record + 6 <= v.size() && count < kMaxPlaybackWork / kRecordWork; ++count) {
                const std::uint64_t length = std::uint64_t(v.u32At(record)) * 2;
                if (length < 6 || length > v.size() - record)
                    break;
                if (v.u16At(record + 4) == MetaSetWindowExt) {
                    const int cy = v.i16At(record + 6), cx = v.i16At(record + 8);
                    out.m_width = std::abs(cx);
                    out.m_height = std::abs(cy);
                    out.m_window = QRectF(0, 0, out.m_width, out.m_height);
                    break;
                }
                if (v.u16At(record + 4) == MetaEof)
                    break;
                record += std::size_t(length);
            }
        }
    }
    if (out.m_width <= 0 || out.m_height <= 0 || !SizeAllowed(out.m_width, out.m_height))
        return false;
    out.m_bytes = bytes;
    // Weighed at the nominal size, the size a decode plays it at.
    if (!out.run(nullptr, QRectF(0, 0, out.m_width, out.m_height), cancel) || Cancelled(cancel)) {
        out = Metafile();
        return false;
    }
    return true;
}

bool Metafile::play(QPainter &painter, const QRectF &target, const std::atomic<bool> *cancel) const
{
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    const bool complete = run(&painter, target, cancel) && !Cancelled(cancel);
    painter.restore();
    return complete;
}

bool Metafile::run(QPainter *painter, const QRectF &target, const std::atomic<bool> *cancel) const
{
    const ByteReader file(m_bytes);
    if (m_format == Format::Wmf) {
        // The window the records set maps onto the target, as a picture played in anisotropic
        // mode.
        Player player(painter, QTransform(), target, cancel);
        player.state.mapMode = 8;
        player.state.windowOrg = m_window.topLeft();
        player.state.windowExt = QSizeF(m_window.width(), m_window.height());
        player.state.viewportOrg = target.topLeft();
        player.state.viewportExt = target.size();
        PlayWmf(player, file, std::size_t(m_recordsAt));
        return !player.overBudget();
    }
    // The frame, in reference-device pixels (rounded as MulDiv does), fills the target.
    const auto sane = [](int v) { return v > 0 && v <= 1000000; };
    const bool sized = sane(m_deviceMillimetres.width()) && sane(m_deviceMillimetres.height())
        && sane(m_devicePixels.width()) && sane(m_devicePixels.height());
    const double xPerHundredthMm = sized
        ? double(m_devicePixels.width()) / (100.0 * m_deviceMillimetres.width())
        : 96 / 2540.0;
    const double yPerHundredthMm = sized
        ? double(m_devicePixels.height()) / (100.0 * m_deviceMillimetres.height())
        : 96 / 2540.0;
    QRectF frame(0, 0, m_width, m_height);
    if (m_hasFrame) {
        const double left = std::round(m_frameLeft * xPerHundredthMm);
        const double top = std::round(m_frameTop * yPerHundredthMm);
        const double width = std::round(m_frameWidth * xPerHundredthMm);
        const double height = std::round(m_frameHeight * yPerHundredthMm);
        frame = QRectF(left, top, width, height);
    }
    if (frame.width() <= 0 || frame.height() <= 0)
        frame = QRectF(0, 0, m_width, m_height);
    const QTransform toTarget(target.width() / frame.width(), 0, 0,
        target.height() / frame.height(),
        target.left() - frame.left() * target.width() / frame.width(),
        target.top() - frame.top() * target.height() / frame.height());
    Player player(painter, toTarget, target, cancel);
    player.devicePixelsPerMm = xPerHundredthMm * 100;
    PlayEmf(player, file);
    return !player.overBudget();
}

} // namespace pixmaro::metafile
