// Playing metafile drawing records with QPainter: the device context and objects both formats
// share, and the work budget that bounds what one playback may cost.
#pragma once

#include "base/ByteReader.h"

#include <QBrush>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

class QPainter;

namespace pixmaro::metafile {

/// The most one playback may cost, in units of about half a nanosecond of painting (one pixel of
/// solid fill): about two seconds. A metafile that needs more fails to load. Every record costs
/// kRecordWork, every drawing call kDrawWork more, and the pixels it may paint (clipped to the
/// picture) are counted with the weight of their kind.
constexpr std::uint64_t kMaxPlaybackWork = std::uint64_t(1) << 32;
constexpr std::uint64_t kRecordWork = 128;
constexpr std::uint64_t kDrawWork = 4096;

QColor FromColorRef(std::uint32_t ref);

struct LogFont {
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

/// A GDI object slot: a pen, a brush, a font, or an object that draws nothing (palette, region).
using GdiObject = std::variant<std::monostate, QPen, QBrush, LogFont>;

struct DcState {
    QTransform world;
    int mapMode = 1; // MM_TEXT
    QPointF windowOrg { 0, 0 }, viewportOrg { 0, 0 };
    QSizeF windowExt { 1, 1 }, viewportExt { 1, 1 };
    QPen pen { QColor(Qt::black), 0 };
    QBrush brush { Qt::white };
    LogFont font;
    QColor textColor { Qt::black };
    QColor backgroundColor { Qt::white };
    bool opaqueBackground = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int textAlign = 0;
    QPointF position;
};

QPen PenFrom(int style, double width, QColor color);
QBrush BrushFrom(int style, QColor color, int hatch);
GdiObject StockObject(std::uint32_t index);

/// A bitmap as a record carries it, not yet decoded: its BITMAPINFO and its pixel bits.
struct DibBytes {
    const std::uint8_t *info = nullptr;
    std::size_t infoSize = 0;
    const std::uint8_t *bits = nullptr;
    std::size_t bitsSize = 0;
};

/// Reads `count` points of `step` bytes each from `at` with `read`; false when they do not fit.
template <typename Point>
bool ReadPoints(const ByteReader &r, std::size_t at, std::uint32_t count, QPolygonF &out,
    Point read, std::size_t step)
{
    if (!r.has(at, 0) || count > (r.size() - at) / step)
        return false;
    out.clear();
    out.reserve(qsizetype(count));
    for (std::uint32_t i = 0; i < count; ++i)
        out.append(read(at + i * step));
    return true;
}

/// Plays the drawing records of both formats against one device context. With a painter it
/// draws; without one it only adds up what the drawing would cost, so a metafile can be weighed
/// before it is accepted. Both ways count the same work.
class Player {
public:
    /// `deviceToTarget` maps the metafile's device pixels to the painter's coordinates, in which
    /// `target` is the rectangle drawn into. `cancel` (may be null) stops the playback when set.
    Player(QPainter *painter, const QTransform &deviceToTarget, const QRectF &target,
        const std::atomic<bool> *cancel);

    DcState state;
    std::vector<GdiObject> objects;
    std::vector<DcState> saved;
    double devicePixelsPerMm = 96 / 25.4;

    /// Counts one record. False when the playback must end: its budget is spent or it was
    /// cancelled.
    bool nextRecord();
    /// Whether the playback needed more than kMaxPlaybackWork (or more than the record limit).
    bool overBudget() const { return m_work > kMaxPlaybackWork; }

    QTransform transform() const { return state.world * pageTransform() * m_deviceToTarget; }

    void setObject(std::size_t index, GdiObject object);
    void select(const GdiObject &object);
    /// Selects an object by an EMF index: a stock object when the top bit is set.
    void selectIndex(std::uint32_t index);
    /// RestoreDC: a negative value counts back from the latest save, a positive one is absolute.
    void restore(int relative);

    void lineTo(QPointF to);
    void rectangle(QRectF r);
    void ellipse(QRectF r);
    void roundRect(QRectF r, QSizeF corner);
    void polyline(const QPolygonF &points);
    void polygon(const QPolygonF &points);
    void polyPolygon(const std::vector<QPolygonF> &polygons);
    void setPixel(QPointF at, QColor color);
    /// A pattern operation without a source bitmap: the rectangle filled with the brush.
    void fillWithBrush(QRectF r);
    /// Draws the `source` part of a bitmap of `size` pixels into `destination`.
    void image(const DibBytes &dib, QSize size, QRectF destination, QRectF source);
    void text(QPointF reference, const QString &string, int options, QRectF clip);

private:
    QTransform pageTransform() const;
    void prepare(bool fill, bool stroke);
    // Adds the cost of drawing a shape with these logical bounds: a box, or the path through
    // `points` (`closed` back to the first). False when the budget is spent, or when only
    // measuring: the shape is then not drawn.
    bool charge(const QRectF &bounds, const QPolygonF *points, bool closed, bool fill, bool stroke,
        bool curved);
    bool spend(double units);
    double clippedArea(const QRectF &deviceRect) const;

    QPainter *m_painter;
    QTransform m_deviceToTarget;
    QRectF m_target;
    const std::atomic<bool> *m_cancel;
    std::uint64_t m_work = 0;
    std::uint64_t m_records = 0;
};

} // namespace pixmaro::metafile
