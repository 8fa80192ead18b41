// Playing metafile drawing records with QPainter: the device context and objects both formats
// share, and the work budget that bounds what one playback may cost.
#include "imaging/metafile/Player.h"

#include "base/Cancel.h"
#include "imaging/metafile/Dib.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace pixmaro::metafile {

namespace {

// What drawing costs, in units of about half a nanosecond of painting on the 24-bit raster
// (measured there): a solid fill costs about one unit a pixel; curves, patterns, thin lines and
// large glyphs cost far more per pixel they touch.
constexpr double kCurveWeight = 3; // per pixel of an ellipse's or rounded rectangle's fill
constexpr double kPatternWeight = 20; // per pixel of a hatched fill
constexpr double kDashWeight = 4; // a dashed or dotted line against a solid one
constexpr double kThinLineWeight = 128; // per pixel along a line one pixel wide
constexpr double kWideLineWeight = 4; // per pixel covered by a wider line
constexpr double kImageWeight = 4; // per pixel a bitmap covers
constexpr double kGlyphWeight = 64; // per pixel of a glyph's square
constexpr double kPointWork = 64; // per point of a path

double Scale(const QTransform &t)
{
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

} // namespace

QColor FromColorRef(std::uint32_t ref)
{
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

QPen PenFrom(int style, double width, QColor color)
{
    switch (style & 0x0F) {
    case 5: // PS_NULL
        return QPen(Qt::NoPen);
    case 1:
        return QPen(QBrush(color), width, Qt::DashLine);
    case 2:
        return QPen(QBrush(color), width, Qt::DotLine);
    case 3:
        return QPen(QBrush(color), width, Qt::DashDotLine);
    case 4:
        return QPen(QBrush(color), width, Qt::DashDotDotLine);
    default:
        return QPen(QBrush(color), width, Qt::SolidLine);
    }
}

QBrush BrushFrom(int style, QColor color, int hatch)
{
    switch (style) {
    case 1: // BS_NULL
        return QBrush(Qt::NoBrush);
    case 2: { // BS_HATCHED
        static const Qt::BrushStyle hatches[] = { Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
            Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern };
        return QBrush(color, hatch >= 0 && hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
    }
    default:
        return QBrush(color);
    }
}

GdiObject StockObject(std::uint32_t index)
{
    switch (index) {
    case 0: // WHITE_BRUSH
        return QBrush(Qt::white);
    case 1: // LTGRAY_BRUSH
        return QBrush(QColor(192, 192, 192));
    case 2: // GRAY_BRUSH
        return QBrush(QColor(128, 128, 128));
    case 3: // DKGRAY_BRUSH
        return QBrush(QColor(64, 64, 64));
    case 4: // BLACK_BRUSH
        return QBrush(Qt::black);
    case 5: // NULL_BRUSH
        return QBrush(Qt::NoBrush);
    case 6: // WHITE_PEN
        return QPen(QColor(Qt::white), 0);
    case 7: // BLACK_PEN
        return QPen(QColor(Qt::black), 0);
    case 8: // NULL_PEN
        return QPen(Qt::NoPen);
    case 18: // DC_BRUSH
        return QBrush(Qt::white);
    case 19: // DC_PEN
        return QPen(QColor(Qt::black), 0);
    default: // the stock fonts and palette
        return LogFont {};
    }
}

Player::Player(QPainter *painter, const QTransform &deviceToTarget, const QRectF &target,
    const std::atomic<bool> *cancel)
    : m_painter(painter)
    , m_deviceToTarget(deviceToTarget)
    , m_target(target)
    , m_cancel(cancel)
{
    if (m_painter) {
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
}

bool Player::nextRecord()
{
    return spend(double(kRecordWork)) && !Cancelled(m_cancel);
}

bool Player::spend(double units)
{
    // Saturates: a cost beyond the budget (or not a number) ends the playback.
    if (!(units < double(kMaxPlaybackWork)))
        m_work = kMaxPlaybackWork + 1;
    else
        m_work = std::min(m_work + std::uint64_t(units), kMaxPlaybackWork + 1);
    return !overBudget();
}

double Player::clippedArea(const QRectF &deviceRect) const
{
    const QRectF r = deviceRect.normalized().intersected(m_target);
    return r.isValid() ? r.width() * r.height() : 0;
}

bool Player::charge(
    const QRectF &bounds, const QPolygonF *points, bool closed, bool fill, bool stroke, bool curved)
{
    const QTransform t = transform();
    const QRectF device = t.mapRect(bounds.normalized());
    double units = double(kDrawWork);
    if (fill && state.brush.style() != Qt::NoBrush) {
        units += clippedArea(device)
            * (state.brush.style() == Qt::SolidPattern ? 1 : kPatternWeight)
            * (curved ? kCurveWeight : 1);
    }
    const QPolygonF mapped = points ? t.map(*points) : QPolygonF();
    if (stroke && state.pen.style() != Qt::NoPen) {
        const double width
            = std::max(1.0, state.pen.isCosmetic() ? 1.0 : state.pen.widthF() * Scale(t));
        // The length that lies over the target: a stroke is clipped before it is drawn.
        const auto visible = [&](const QRectF &box, double length) {
            const QRectF r
                = box.normalized().adjusted(-width, -width, width, width).intersected(m_target);
            return r.isValid() ? std::min(length, 2 * (r.width() + r.height())) : 0.0;
        };
        double length = 0;
        if (points) {
            const qsizetype segments = closed ? mapped.size() : mapped.size() - 1;
            for (qsizetype i = 0; i < segments; ++i) {
                const QPointF &a = mapped[i], &b = mapped[(i + 1) % mapped.size()];
                length += visible(QRectF(a, b), std::hypot(b.x() - a.x(), b.y() - a.y()));
            }
        } else {
            length = visible(device, 2 * (device.width() + device.height()));
        }
        const double dashes = state.pen.style() == Qt::SolidLine ? 1 : kDashWeight;
        units += dashes
            * (width < 2 ? length * kThinLineWeight
                         : std::min(length * width,
                               clippedArea(device.adjusted(-width, -width, width, width)))
                        * kWideLineWeight);
    }
    if (points) {
        units += kPointWork * double(mapped.size());
        if (fill) {
            // Filling a polygon visits every edge on every scan line it crosses.
            for (qsizetype i = 0; i < mapped.size(); ++i) {
                const QPointF &a = mapped[i], &b = mapped[(i + 1) % mapped.size()];
                units += std::min(std::abs(b.y() - a.y()), m_target.height());
            }
        }
    }
    return spend(units) && m_painter;
}

QTransform Player::pageTransform() const
{
    double sx = 1, sy = 1;
    const auto fixed = [&](double mmPerUnit) {
        sx = mmPerUnit * devicePixelsPerMm;
        sy = -sx;
    };
    switch (state.mapMode) {
    case 2: // MM_LOMETRIC
        fixed(0.1);
        break;
    case 3: // MM_HIMETRIC
        fixed(0.01);
        break;
    case 4: // MM_LOENGLISH
        fixed(0.254);
        break;
    case 5: // MM_HIENGLISH
        fixed(0.0254);
        break;
    case 6: // MM_TWIPS
        fixed(25.4 / 1440);
        break;
    case 7: // MM_ISOTROPIC
    case 8: { // MM_ANISOTROPIC
        const double wx = state.windowExt.width() ? state.windowExt.width() : 1;
        const double wy = state.windowExt.height() ? state.windowExt.height() : 1;
        sx = state.viewportExt.width() / wx;
        sy = state.viewportExt.height() / wy;
        if (state.mapMode == 7) { // isotropic: the smaller scale both ways
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        break;
    }
    default: // MM_TEXT
        break;
    }
    return QTransform(sx, 0, 0, sy, state.viewportOrg.x() - state.windowOrg.x() * sx,
        state.viewportOrg.y() - state.windowOrg.y() * sy);
}

void Player::prepare(bool fill, bool stroke)
{
    m_painter->setTransform(transform());
    m_painter->setPen(stroke ? state.pen : QPen(Qt::NoPen));
    m_painter->setBrush(fill ? state.brush : QBrush(Qt::NoBrush));
}

void Player::setObject(std::size_t index, GdiObject object)
{
    if (index >= objects.size()) {
        if (index > 65535)
            return;
        objects.resize(index + 1);
    }
    objects[index] = std::move(object);
}

void Player::select(const GdiObject &object)
{
    if (const auto *pen = std::get_if<QPen>(&object))
        state.pen = *pen;
    else if (const auto *brush = std::get_if<QBrush>(&object))
        state.brush = *brush;
    else if (const auto *font = std::get_if<LogFont>(&object))
        state.font = *font;
}

void Player::selectIndex(std::uint32_t index)
{
    if (index & 0x80000000u)
        select(StockObject(index & 0x7FFFFFFFu));
    else if (index < objects.size())
        select(objects[index]);
}

void Player::restore(int relative)
{
    const int depth = int(saved.size());
    const int target = relative < 0 ? depth + relative : relative - 1;
    if (target < 0 || target >= depth)
        return;
    state = saved[std::size_t(target)];
    saved.resize(std::size_t(target));
}

void Player::lineTo(QPointF to)
{
    const QPointF from = state.position;
    state.position = to;
    const QPolygonF line { from, to };
    if (!charge(QRectF(from, to), &line, false, false, true, false))
        return;
    prepare(false, true);
    m_painter->drawLine(from, to);
}

void Player::rectangle(QRectF r)
{
    r = r.normalized();
    if (!charge(r, nullptr, true, true, true, false))
        return;
    prepare(true, true);
    m_painter->drawRect(r);
}

void Player::ellipse(QRectF r)
{
    r = r.normalized();
    if (!charge(r, nullptr, true, true, true, true))
        return;
    prepare(true, true);
    m_painter->drawEllipse(r);
}

void Player::roundRect(QRectF r, QSizeF corner)
{
    r = r.normalized();
    if (!charge(r, nullptr, true, true, true, true))
        return;
    prepare(true, true);
    m_painter->drawRoundedRect(r, std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
}

void Player::polyline(const QPolygonF &points)
{
    if (!charge(points.boundingRect(), &points, false, false, true, false))
        return;
    prepare(false, true);
    m_painter->drawPolyline(points);
}

void Player::polygon(const QPolygonF &points)
{
    if (!charge(points.boundingRect(), &points, true, true, true, false))
        return;
    prepare(true, true);
    m_painter->drawPolygon(points, state.fillRule);
}

void Player::polyPolygon(const std::vector<QPolygonF> &polygons)
{
    QPolygonF all;
    for (const QPolygonF &p : polygons)
        all += p;
    if (!charge(all.boundingRect(), &all, true, true, true, false))
        return;
    QPainterPath path;
    path.setFillRule(state.fillRule);
    for (const QPolygonF &p : polygons) {
        path.addPolygon(p);
        path.closeSubpath();
    }
    prepare(true, true);
    m_painter->drawPath(path);
}

void Player::setPixel(QPointF at, QColor color)
{
    if (!spend(double(kDrawWork)) || !m_painter)
        return;
    const QPointF p = transform().map(at);
    m_painter->resetTransform();
    m_painter->fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), color);
}

void Player::fillWithBrush(QRectF r)
{
    r = r.normalized();
    if (!charge(r, nullptr, true, true, false, false))
        return;
    prepare(true, false);
    m_painter->drawRect(r);
}

void Player::image(const DibBytes &dib, QSize size, QRectF destination, QRectF source)
{
    if (size.isEmpty())
        return;
    const double decoded = double(size.width()) * size.height();
    const double drawn = clippedArea(transform().mapRect(destination.normalized()));
    if (!spend(double(kDrawWork) + decoded + drawn * kImageWeight) || !m_painter)
        return;
    const QImage pixels = DecodeDib(dib.info, dib.infoSize, dib.bits, dib.bitsSize);
    if (pixels.isNull())
        return;
    m_painter->setTransform(transform());
    m_painter->drawImage(destination, pixels, source);
}

void Player::text(QPointF reference, const QString &string, int options, QRectF clip)
{
    if (string.isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const QTransform t = transform();
    const QPointF at = t.map(reference);
    const double scale = std::hypot(t.m21(), t.m22());
    const double height = state.font.height ? std::abs(state.font.height) : 12;
    const double pixels = std::max(1.0, std::round(height * scale));
    // Glyphs drawn at a large size are painted as paths, each costing about its square; the
    // boxes an opaque background fills come on top (estimated before any font work).
    double units = double(kDrawWork) + kGlyphWeight * pixels * pixels * double(string.size());
    if (state.opaqueBackground)
        units += clippedArea(QRectF(at.x() - pixels * string.size(), at.y() - pixels,
            2 * pixels * string.size(), 2 * pixels));
    if (options & 2) // ETO_OPAQUE
        units += clippedArea(t.mapRect(clip));
    if (!spend(units) || !m_painter)
        return;

    QFont font(state.font.face.isEmpty() ? QStringLiteral("Sans Serif") : state.font.face);
    font.setPixelSize(int(std::min(pixels, 1e6)));
    font.setWeight(QFont::Weight(std::clamp(state.font.weight ? state.font.weight : 400, 1, 1000)));
    font.setItalic(state.font.italic);
    font.setUnderline(state.font.underline);
    font.setStrikeOut(state.font.strikeOut);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(string);

    double x = at.x(), baseline = at.y();
    if ((state.textAlign & 6) == 6) // TA_CENTER
        x -= width / 2;
    else if (state.textAlign & 2) // TA_RIGHT
        x -= width;
    if ((state.textAlign & 24) == 24) { // TA_BASELINE
        // baseline as given
    } else if (state.textAlign & 8) { // TA_BOTTOM
        baseline -= metrics.descent();
    } else {
        baseline += metrics.ascent();
    }

    m_painter->save();
    m_painter->resetTransform();
    if (options & 4) // ETO_CLIPPED
        m_painter->setClipRect(t.mapRect(clip));
    if (options & 2) // ETO_OPAQUE
        m_painter->fillRect(t.mapRect(clip), state.backgroundColor);
    if (state.opaqueBackground)
        m_painter->fillRect(
            QRectF(x, baseline - metrics.ascent(), width, metrics.height()), state.backgroundColor);
    m_painter->setFont(font);
    m_painter->setPen(state.textColor);
    m_painter->drawText(QPointF(x, baseline), string);
    m_painter->restore();
    if (state.textAlign & 1) // TA_UPDATECP
        state.position = t.inverted().map(QPointF(x + width, at.y()));
}

} // namespace pixmaro::metafile
