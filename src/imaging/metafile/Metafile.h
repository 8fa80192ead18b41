// Windows metafiles (WMF, with or without the placeable header) and enhanced metafiles (EMF):
// their nominal size and their playback with QPainter.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <atomic>

class QPainter;

namespace pixmaro::metafile {

enum class Format { Emf, Wmf };

/// Rounds `a` × `b` ÷ `c` to the nearest integer, halves away from zero, with a 64-bit product;
/// -1 when `c` is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

/// A metafile held in memory. The format is taken from the content, not the file name.
class Metafile {
public:
    /// Reads the header and weighs the records: they are played without painting, at the
    /// nominal size, and their cost counted. Returns false for data that is no metafile, a
    /// nominal size of 0 or beyond the size limit, records that cost more than a playback may
    /// (kMaxPlaybackWork), or when `cancel` (may be null) is set meanwhile. The metafile refers
    /// to `bytes` without copying them when they are raw data (a mapped file): they must then
    /// outlive it.
    static bool Read(
        const QByteArray &bytes, Metafile &out, const std::atomic<bool> *cancel = nullptr);

    Format format() const { return m_format; }
    /// The nominal size in pixels at 96 dots per inch: from an EMF's frame (0.01 mm), a placeable
    /// WMF's bounding box and units per inch, or else the first window extent a WMF sets.
    int width() const { return m_width; }
    int height() const { return m_height; }
    const QByteArray &bytes() const { return m_bytes; }

    /// Plays the records into `target` (in the painter's coordinates), scaled so that the picture's
    /// frame fills it. Unknown records are skipped; a malformed record ends the playback, and so
    /// do the work budget and `cancel` (may be null). Text is drawn only when a QGuiApplication
    /// exists (it needs the fonts). Returns false when the budget or `cancel` stopped it: the
    /// picture is then only partly drawn. (At the nominal size a metafile that Read accepted
    /// always fits its budget; drawn much larger, it may not.)
    bool play(
        QPainter &painter, const QRectF &target, const std::atomic<bool> *cancel = nullptr) const;

private:
    // Plays onto `painter`, or only weighs the records when it is null; false when the playback
    // went over its budget.
    bool run(QPainter *painter, const QRectF &target, const std::atomic<bool> *cancel) const;

    Format m_format = Format::Emf;
    QByteArray m_bytes;
    int m_width = 0;
    int m_height = 0;
    // EMF: the frame in 0.01 mm (plain numbers: a file may hold any 32-bit values, which QRect's
    // arithmetic does not take) and the reference device in pixels and millimetres.
    bool m_hasFrame = false;
    double m_frameLeft = 0, m_frameTop = 0, m_frameWidth = 0, m_frameHeight = 0;
    QSize m_devicePixels;
    QSize m_deviceMillimetres;
    // WMF: where the records start and the window the picture shows when no record sets one.
    int m_recordsAt = 0;
    QRectF m_window;
};

} // namespace pixmaro::metafile
