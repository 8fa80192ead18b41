// Windows metafiles (WMF, with or without the placeable header) and enhanced metafiles (EMF):
// their nominal size and their playback with QPainter.
#include "imaging/metafile/Metafile.h"

#include "imaging/WorkingBitmap.h"
#include "imaging/metafile/Dib.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstring>
#include <variant>
#include <vector>

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

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"

// A bounds-checked view of one record: a read past its end gives 0 and marks it malformed.
class View {
public:
    View(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    std::size_t size() const { return m_size; }
    bool ok() const { return m_ok; }
    bool has(std::size_t at, std::size_t length) const
    {
        return at <= m_size && length <= m_size - at;
    }
    const std::uint8_t *at(std::size_t offset, std::size_t length) const
    {
        if (!has(offset, length)) {
            m_ok = false;
            return nullptr;
        }
        return m_data + offset;
    }
    std::uint32_t u32(std::size_t offset) const
    {
        const std::uint8_t *p = at(offset, 4);
        return p ? p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24) : 0;
    }
    std::int32_t i32(std::size_t offset) const { return std::int32_t(u32(offset)); }
    std::uint16_t u16(std::size_t offset) const
    {
        const std::uint8_t *p = at(offset, 2);
        return p ? std::uint16_t(p[0] | (p[1] << 8)) : 0;
    }
    std::int16_t i16(std::size_t offset) const { return std::int16_t(u16(offset)); }
    std::uint8_t u8(std::size_t offset) const
    {
        const std::uint8_t *p = at(offset, 1);
        return p ? *p : 0;
    }
    float f32(std::size_t offset) const
    {
        const std::uint32_t bits = u32(offset);
        float value;
        std::memcpy(&value, &bits, 4);
        return std::isfinite(value) ? value : 0.0f;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    mutable bool m_ok = true;
};

View ViewOf(const QByteArray &bytes)
{
    return View(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
}

QColor FromColorRef(std::uint32_t ref)
{
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

struct LogFont {
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

// A GDI object slot: a pen, a brush, a font, or an object that draws nothing (palette, region).
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
    case 0:
        return QBrush(Qt::white);
    case 1:
        return QBrush(QColor(192, 192, 192));
    case 2:
        return QBrush(QColor(128, 128, 128));
    case 3:
        return QBrush(QColor(64, 64, 64));
    case 4:
        return QBrush(Qt::black);
    case 5:
        return QBrush(Qt::NoBrush);
    case 6:
        return QPen(QColor(Qt::white), 0);
    case 7:
        return QPen(QColor(Qt::black), 0);
    case 8:
        return QPen(Qt::NoPen);
    case 18:
        return QBrush(Qt::white);
    case 19:
        return QPen(QColor(Qt::black), 0);
    default:
        return LogFont {};
    }
}

// Plays the drawing records of both formats against one device context.
class Player {
public:
    Player(QPainter &painter, QTransform deviceToTarget)
        : m_painter(painter)
        , m_deviceToTarget(deviceToTarget)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }

    DcState state;
    std::vector<GdiObject> objects;
    std::vector<DcState> saved;
    double devicePixelsPerMm = 96 / 25.4;
    bool enhanced = true;

    QTransform pageTransform() const
    {
        double sx = 1, sy = 1;
        const auto fixed = [&](double mmPerUnit, bool) {
            sx = mmPerUnit * devicePixelsPerMm;
            sy = -sx;
        };
        switch (state.mapMode) {
        case 2:
            fixed(0.1, true);
            break;
        case 3:
            fixed(0.01, true);
            break;
        case 4:
            fixed(0.254, true);
            break;
        case 5:
            fixed(0.0254, true);
            break;
        case 6:
            fixed(25.4 / 1440, true);
            break;
        case 7:
        case 8: {
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
        default:
            break;
        }
        return QTransform(sx, 0, 0, sy, state.viewportOrg.x() - state.windowOrg.x() * sx,
            state.viewportOrg.y() - state.windowOrg.y() * sy);
    }

    QTransform transform() const { return state.world * pageTransform() * m_deviceToTarget; }

    void prepare(bool fill, bool stroke)
    {
        m_painter.setTransform(transform());
        m_painter.setPen(stroke ? state.pen : QPen(Qt::NoPen));
        m_painter.setBrush(fill ? state.brush : QBrush(Qt::NoBrush));
    }

    void setObject(std::size_t index, GdiObject object)
    {
        if (index >= objects.size()) {
            if (index > 65535)
                return;
            objects.resize(index + 1);
        }
        objects[index] = std::move(object);
    }

    void select(const GdiObject &object)
    {
        if (const auto *pen = std::get_if<QPen>(&object))
            state.pen = *pen;
        else if (const auto *brush = std::get_if<QBrush>(&object))
            state.brush = *brush;
        else if (const auto *font = std::get_if<LogFont>(&object))
            state.font = *font;
    }

    void selectIndex(std::uint32_t index)
    {
        if (index & 0x80000000u)
            select(StockObject(index & 0x7FFFFFFFu));
        else if (index < objects.size())
            select(objects[index]);
    }

    void restore(int relative)
    {
        const int depth = int(saved.size());
        const int target = relative < 0 ? depth + relative : relative - 1;
        if (target < 0 || target >= depth)
            return;
        state = saved[std::size_t(target)];
        saved.resize(std::size_t(target));
    }

    void lineTo(QPointF to)
    {
        prepare(false, true);
        m_painter.drawLine(state.position, to);
        state.position = to;
    }

    void rectangle(QRectF r) { prepare(true, true), m_painter.drawRect(r.normalized()); }
    void ellipse(QRectF r) { prepare(true, true), m_painter.drawEllipse(r.normalized()); }
    void roundRect(QRectF r, QSizeF corner)
    {
        prepare(true, true);
        m_painter.drawRoundedRect(
            r.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    }
    void polyline(const QPolygonF &points)
    {
        prepare(false, true);
        m_painter.drawPolyline(points);
    }
    void polygon(const QPolygonF &points)
    {
        prepare(true, true);
        m_painter.drawPolygon(points, state.fillRule);
    }
    void polyPolygon(const std::vector<QPolygonF> &polygons)
    {
        QPainterPath path;
        path.setFillRule(state.fillRule);
        for (const QPolygonF &p : polygons) {
            path.addPolygon(p);
            path.closeSubpath();
        }
        prepare(true, true);
        m_painter.drawPath(path);
    }

    void setPixel(QPointF at, QColor color)
    {
        const QPointF p = transform().map(at);
        m_painter.resetTransform();
        m_painter.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), color);
    }

    void fillWithBrush(QRectF r)
    {
        prepare(true, false);
        m_painter.drawRect(r.normalized());
    }

    void image(const QImage &source, QRectF destination, QRectF sourceRect)
    {
        if (source.isNull())
            return;
        m_painter.setTransform(transform());
        m_painter.drawImage(destination, source, sourceRect);
    }

    void text(QPointF reference, const QString &string, int options, QRectF clip)
    {
        if (string.isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return;
        const QTransform t = transform();
        const QPointF at = t.map(reference);
        const double scale = std::hypot(t.m21(), t.m22());
        QFont font(state.font.face.isEmpty() ? QStringLiteral("Sans Serif") : state.font.face);
        const double height = state.font.height ? std::abs(state.font.height) : 12;
        font.setPixelSize(std::max(1, int(std::lround(height * scale))));
        font.setWeight(
            QFont::Weight(std::clamp(state.font.weight ? state.font.weight : 400, 1, 1000)));
        font.setItalic(state.font.italic);
        font.setUnderline(state.font.underline);
        font.setStrikeOut(state.font.strikeOut);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(string);

        double x = at.x(), baseline = at.y();
        if ((state.textAlign & 6) == 6)
            x -= width / 2;
        else if (state.textAlign & 2)
            x -= width;
        if ((state.textAlign & 24) == 24) {
            // baseline as given
        } else if (state.textAlign & 8) {
            baseline -= metrics.descent();
        } else {
            baseline += metrics.ascent();
        }

        m_painter.save();
        m_painter.resetTransform();
        if (options & 4) // ETO_CLIPPED
            m_painter.setClipRect(t.mapRect(clip));
        if (options & 2) // ETO_OPAQUE
            m_painter.fillRect(t.mapRect(clip), state.backgroundColor);
        if (state.opaqueBackground)
            m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                state.backgroundColor);
        m_painter.setFont(font);
        m_painter.setPen(state.textColor);
        m_painter.drawText(QPointF(x, baseline), string);
        m_painter.restore();
        if (state.textAlign & 1) // TA_UPDATECP
            state.position = t.inverted().map(QPointF(x + width, at.y()));
    }

private:
    QPainter &m_painter;
    QTransform m_deviceToTarget;
};

// ---- Enhanced metafiles ------------------------------------------------------------------

template <typename Point>
bool ReadPoints(const View &r, std::size_t at, std::uint32_t count, QPolygonF &out, Point read,
    std::size_t step)
{
    if (!r.has(at, 0) || count > (r.size() - at) / step)
        return false;
    out.clear();
    out.reserve(qsizetype(count));
    for (std::uint32_t i = 0; i < count; ++i)
        out.append(read(at + i * step));
    return true;
}

// Reads a DIB that a bitmap record points to with offsets from the record's start.
QImage RecordDib(const View &r, std::uint32_t offInfo, std::uint32_t infoSize,
    std::uint32_t offBits, std::uint32_t bitsSize, bool *bottomUp)
{
    const std::uint8_t *info = r.at(offInfo, infoSize);
    const std::uint8_t *bits = r.at(offBits, bitsSize);
    if (!info || !bits || infoSize < 12)
        return {};
    if (bottomUp)
        *bottomUp = infoSize >= 12
            && (std::uint32_t(info[0]) == 12
                    ? std::int16_t(info[6] | (info[7] << 8)) > 0
                    : std::int32_t(info[8] | (info[9] << 8) | (info[10] << 16)
                          | (std::uint32_t(info[11]) << 24))
                        > 0);
    return DecodeDib(info, infoSize, bits, bitsSize);
}

bool PlayEmfRecord(Player &p, std::uint32_t type, const View &r)
{
    const auto point = [&](std::size_t at) { return QPointF(r.i32(at), r.i32(at + 4)); };
    const auto point16 = [&](std::size_t at) { return QPointF(r.i16(at), r.i16(at + 2)); };
    const auto box = [&](std::size_t at) {
        return QRectF(QPointF(r.i32(at), r.i32(at + 4)), QPointF(r.i32(at + 8), r.i32(at + 12)));
    };
    DcState &s = p.state;
    switch (type) {
    case 14: // EMR_EOF
        return false;
    case 9: // SETWINDOWEXTEX
        s.windowExt = QSizeF(r.i32(8), r.i32(12));
        break;
    case 10:
        s.windowOrg = point(8);
        break;
    case 11:
        s.viewportExt = QSizeF(r.i32(8), r.i32(12));
        break;
    case 12:
        s.viewportOrg = point(8);
        break;
    case 17:
        s.mapMode = int(r.u32(8));
        break;
    case 18:
        s.opaqueBackground = r.u32(8) == 2;
        break;
    case 19:
        s.fillRule = r.u32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case 22:
        s.textAlign = int(r.u32(8));
        break;
    case 24:
        s.textColor = FromColorRef(r.u32(8));
        break;
    case 25:
        s.backgroundColor = FromColorRef(r.u32(8));
        break;
    case 27: // MOVETOEX
        s.position = point(8);
        break;
    case 33: // SAVEDC
        if (p.saved.size() < 1024)
            p.saved.push_back(s);
        break;
    case 34:
        p.restore(r.i32(8));
        break;
    case 35: // SETWORLDTRANSFORM
        s.world = QTransform(r.f32(8), r.f32(12), r.f32(16), r.f32(20), r.f32(24), r.f32(28));
        break;
    case 36: { // MODIFYWORLDTRANSFORM
        const QTransform x(r.f32(8), r.f32(12), r.f32(16), r.f32(20), r.f32(24), r.f32(28));
        switch (r.u32(32)) {
        case 1:
            s.world = QTransform();
            break;
        case 2:
            s.world = x * s.world;
            break;
        case 3:
            s.world = s.world * x;
            break;
        case 4:
            s.world = x;
            break;
        }
        break;
    }
    case 37:
        p.selectIndex(r.u32(8));
        break;
    case 38: // CREATEPEN
        p.setObject(r.u32(8), PenFrom(int(r.u32(12)), r.i32(16), FromColorRef(r.u32(24))));
        break;
    case 95: // EXTCREATEPEN
        p.setObject(r.u32(8), PenFrom(int(r.u32(28)), r.u32(32), FromColorRef(r.u32(40))));
        break;
    case 39: // CREATEBRUSHINDIRECT
        p.setObject(r.u32(8), BrushFrom(int(r.u32(12)), FromColorRef(r.u32(16)), int(r.u32(20))));
        break;
    case 82: { // EXTCREATEFONTINDIRECTW
        LogFont f;
        f.height = r.i32(12);
        f.weight = r.i32(28);
        f.italic = r.u8(32);
        f.underline = r.u8(33);
        f.strikeOut = r.u8(34);
        if (const std::uint8_t *face = r.at(40, 64)) {
            QString name;
            for (int i = 0; i < 32; ++i) {
                const char16_t c = char16_t(face[2 * i] | (face[2 * i + 1] << 8));
                if (c == 0)
                    break;
                name.append(QChar(c));
            }
            f.face = name;
        }
        p.setObject(r.u32(8), f);
        break;
    }
    case 40: // DELETEOBJECT
        if (r.u32(8) < p.objects.size())
            p.objects[r.u32(8)] = std::monostate {};
        break;
    case 54: // LINETO
        p.lineTo(point(8));
        break;
    case 42:
        p.ellipse(box(8));
        break;
    case 43:
        p.rectangle(box(8));
        break;
    case 44:
        p.roundRect(box(8), QSizeF(r.i32(24), r.i32(28)));
        break;
    case 15: // SETPIXELV
        p.setPixel(point(8), FromColorRef(r.u32(16)));
        break;
    case 2: // POLYBEZIER, drawn as its control polygon
    case 3:
    case 4:
    case 6: // POLYLINETO
    case 85: // POLYBEZIER16
    case 86:
    case 87:
    case 89: { // POLYLINETO16
        const bool small = type >= 85;
        QPolygonF points;
        const bool read = small ? ReadPoints(r, 28, r.u32(24), points, point16, 4)
                                : ReadPoints(r, 28, r.u32(24), points, point, 8);
        if (!read)
            return false;
        if (type == 3 || type == 86) {
            p.polygon(points);
        } else if (type == 6 || type == 89) {
            points.prepend(s.position);
            p.polyline(points);
            if (!points.isEmpty())
                s.position = points.last();
        } else {
            p.polyline(points);
        }
        break;
    }
    case 7: // POLYPOLYLINE
    case 8: // POLYPOLYGON
    case 90:
    case 91: {
        const bool small = type >= 90;
        const std::uint32_t polys = r.u32(24), total = r.u32(28);
        if (polys > (r.size() - 32) / 4)
            return false;
        std::size_t at = 32 + std::size_t(polys) * 4;
        std::vector<QPolygonF> polygons;
        std::uint64_t used = 0;
        for (std::uint32_t i = 0; i < polys; ++i) {
            const std::uint32_t count = r.u32(32 + 4 * i);
            used += count;
            if (used > total)
                return false;
            QPolygonF points;
            const bool read = small ? ReadPoints(r, at, count, points, point16, 4)
                                    : ReadPoints(r, at, count, points, point, 8);
            if (!read)
                return false;
            at += std::size_t(count) * (small ? 4 : 8);
            polygons.push_back(points);
        }
        if (type == 8 || type == 91) {
            p.polyPolygon(polygons);
        } else {
            for (const QPolygonF &poly : polygons)
                p.polyline(poly);
        }
        break;
    }
    case 83: // EXTTEXTOUTA
    case 84: { // EXTTEXTOUTW
        const std::uint32_t count = r.u32(44), offset = r.u32(48);
        const bool wide = type == 84;
        const std::uint8_t *chars = r.at(offset, std::size_t(count) * (wide ? 2 : 1));
        if (!chars)
            return false;
        QString string;
        for (std::uint32_t i = 0; i < count; ++i)
            string.append(
                wide ? QChar(char16_t(chars[2 * i] | (chars[2 * i + 1] << 8))) : QChar(chars[i]));
        p.text(point(36), string, int(r.u32(52)), box(56));
        break;
    }
    case 76: // BITBLT
    case 77: { // STRETCHBLT
        const QRectF destination(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
        const std::uint32_t infoSize = r.u32(88);
        if (infoSize == 0) { // a pattern operation without a source bitmap
            p.fillWithBrush(destination);
            break;
        }
        const QImage image = RecordDib(r, r.u32(84), infoSize, r.u32(92), r.u32(96), nullptr);
        const QSizeF sourceSize = type == 77 ? QSizeF(r.i32(100), r.i32(104)) : destination.size();
        p.image(image, destination, QRectF(QPointF(r.i32(44), r.i32(48)), sourceSize));
        break;
    }
    case 80: // SETDIBITSTODEVICE
    case 81: { // STRETCHDIBITS
        bool bottomUp = true;
        const QImage image = RecordDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), &bottomUp);
        if (image.isNull())
            break;
        const double xSrc = r.i32(32), ySrc = r.i32(36), cxSrc = r.i32(40), cySrc = r.i32(44);
        const QSizeF destinationSize
            = type == 81 ? QSizeF(r.i32(72), r.i32(76)) : QSizeF(cxSrc, cySrc);
        // A bottom-up DIB counts its source rows from the bottom.
        const double top = bottomUp ? image.height() - ySrc - cySrc : ySrc;
        p.image(image, QRectF(QPointF(r.i32(24), r.i32(28)), destinationSize),
            QRectF(xSrc, top, cxSrc, cySrc));
        break;
    }
    default:
        break; // records that do not draw, or that this player does not know
    }
    return r.ok();
}

// ---- Windows metafiles -------------------------------------------------------------------

std::size_t FreeSlot(std::vector<GdiObject> &objects, std::vector<bool> &used)
{
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (!used[i])
            return i;
    }
    used.push_back(false);
    objects.emplace_back();
    return used.size() - 1;
}

QString Latin1Text(const std::uint8_t *chars, std::size_t count)
{
    QString s;
    for (std::size_t i = 0; i < count; ++i)
        s.append(QChar(chars[i]));
    return s;
}

QImage WmfDib(const View &r, std::size_t at)
{
    if (!r.has(at, 0))
        return {};
    const std::uint8_t *info = r.at(at, 4);
    if (!info)
        return {};
    const std::uint32_t header
        = info[0] | (info[1] << 8) | (info[2] << 16) | (std::uint32_t(info[3]) << 24);
    if (header < 12 || header > r.size() - at)
        return {};
    // The colour table follows the header; DecodeDib finds the bits by their size.
    const std::uint8_t *data = r.at(at, r.size() - at);
    const std::size_t total = r.size() - at;
    int bitCount = 24;
    std::uint32_t colorsUsed = 0, compression = 0;
    if (header == 12) {
        bitCount = data[10] | (data[11] << 8);
    } else if (total >= 40) {
        bitCount = data[14] | (data[15] << 8);
        compression
            = data[16] | (data[17] << 8) | (data[18] << 16) | (std::uint32_t(data[19]) << 24);
        colorsUsed
            = data[32] | (data[33] << 8) | (data[34] << 16) | (std::uint32_t(data[35]) << 24);
    }
    std::size_t table = 0;
    if (bitCount <= 8)
        table = std::size_t(
                    colorsUsed && colorsUsed < (1u << bitCount) ? colorsUsed : (1u << bitCount))
            * (header == 12 ? 3 : 4);
    else if (compression == 3 && header == 40)
        table = 12;
    const std::size_t bitsAt = header + table;
    if (bitsAt > total)
        return {};
    return DecodeDib(data, bitsAt, data + bitsAt, total - bitsAt);
}

bool PlayWmfRecord(Player &p, int function, const View &r, std::vector<bool> &used)
{
    DcState &s = p.state;
    const auto yx = [&](std::size_t at) { return QPointF(r.i16(at + 2), r.i16(at)); };
    const auto box = [&](std::size_t at) { // bottom, right, top, left
        return QRectF(QPointF(r.i16(at + 6), r.i16(at + 4)), QPointF(r.i16(at + 2), r.i16(at)));
    };
    const auto create = [&](GdiObject object) {
        const std::size_t slot = FreeSlot(p.objects, used);
        p.objects[slot] = std::move(object);
        used[slot] = true;
    };
    switch (function) {
    case 0x0000:
        return false;
    case 0x0201:
        s.backgroundColor = FromColorRef(r.u32(6));
        break;
    case 0x0102:
        s.opaqueBackground = r.u16(6) == 2;
        break;
    case 0x0103:
        s.mapMode = r.u16(6);
        break;
    case 0x0106:
        s.fillRule = r.u16(6) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case 0x0209:
        s.textColor = FromColorRef(r.u32(6));
        break;
    case 0x012E:
        s.textAlign = r.u16(6);
        break;
    case 0x020B: // SETWINDOWORG
        s.windowOrg = yx(6);
        break;
    case 0x020C: { // SETWINDOWEXT
        const QPointF ext = yx(6);
        s.windowExt = QSizeF(ext.x(), ext.y());
        break;
    }
    case 0x001E:
        if (p.saved.size() < 1024)
            p.saved.push_back(s);
        break;
    case 0x0127:
        p.restore(r.i16(6));
        break;
    case 0x0214:
        s.position = yx(6);
        break;
    case 0x0213:
        p.lineTo(yx(6));
        break;
    case 0x041B:
        p.rectangle(box(6));
        break;
    case 0x0418:
        p.ellipse(box(6));
        break;
    case 0x061C:
        p.roundRect(box(10), QSizeF(r.i16(8), r.i16(6)));
        break;
    case 0x041F:
        p.setPixel(yx(10), FromColorRef(r.u32(6)));
        break;
    case 0x0324: // POLYGON
    case 0x0325: { // POLYLINE
        QPolygonF points;
        if (!ReadPoints(
                r, 8, r.u16(6), points,
                [&](std::size_t at) { return QPointF(r.i16(at), r.i16(at + 2)); }, 4))
            return false;
        function == 0x0324 ? p.polygon(points) : p.polyline(points);
        break;
    }
    case 0x0538: { // POLYPOLYGON
        const int polys = r.u16(6);
        std::size_t at = 8 + std::size_t(polys) * 2;
        std::vector<QPolygonF> polygons;
        for (int i = 0; i < polys; ++i) {
            QPolygonF points;
            const int count = r.u16(8 + 2 * i);
            if (!r.ok()
                || !ReadPoints(
                    r, at, count, points,
                    [&](std::size_t a) { return QPointF(r.i16(a), r.i16(a + 2)); }, 4))
                return false;
            at += std::size_t(count) * 4;
            polygons.push_back(points);
        }
        p.polyPolygon(polygons);
        break;
    }
    case 0x0521: { // TEXTOUT
        const std::size_t count = r.u16(6);
        const std::uint8_t *chars = r.at(8, count);
        if (!chars)
            return false;
        const std::size_t after = 8 + ((count + 1) & ~std::size_t(1));
        p.text(yx(after), Latin1Text(chars, count), 0, QRectF());
        break;
    }
    case 0x0A32: { // EXTTEXTOUT
        const std::size_t count = r.u16(10);
        const int options = r.u16(12);
        std::size_t at = 14;
        QRectF clip;
        if (options & 6) {
            clip = QRectF(QPointF(r.i16(14), r.i16(16)), QPointF(r.i16(18), r.i16(20)));
            at += 8;
        }
        const std::uint8_t *chars = r.at(at, count);
        if (!chars)
            return false;
        p.text(yx(6), Latin1Text(chars, count), options, clip);
        break;
    }
    case 0x02FA: // CREATEPENINDIRECT
        create(PenFrom(r.u16(6), r.i16(8), FromColorRef(r.u32(12))));
        break;
    case 0x02FC: // CREATEBRUSHINDIRECT
        create(BrushFrom(r.u16(6), FromColorRef(r.u32(8)), r.u16(12)));
        break;
    case 0x02FB: { // CREATEFONTINDIRECT
        LogFont f;
        f.height = r.i16(6);
        f.weight = r.i16(14);
        f.italic = r.u8(16);
        f.underline = r.u8(17);
        f.strikeOut = r.u8(18);
        for (std::size_t i = 24; i < 56 && r.has(i, 1); ++i) {
            const std::uint8_t c = r.u8(i);
            if (c == 0)
                break;
            f.face.append(QChar(c));
        }
        create(f);
        break;
    }
    case 0x00F7: // CREATEPALETTE
    case 0x01F9: // CREATEPATTERNBRUSH
    case 0x06FF: // CREATEREGION
        create(std::monostate {});
        break;
    case 0x0142: // DIBCREATEPATTERNBRUSH: drawn as grey
        create(QBrush(QColor(128, 128, 128)));
        break;
    case 0x012D: { // SELECTOBJECT
        const std::size_t index = r.u16(6);
        if (index < p.objects.size() && used[index])
            p.select(p.objects[index]);
        break;
    }
    case 0x01F0: { // DELETEOBJECT
        const std::size_t index = r.u16(6);
        if (index < used.size()) {
            used[index] = false;
            p.objects[index] = std::monostate {};
        }
        break;
    }
    case 0x0B41: // DIBSTRETCHBLT
    case 0x0F43: // STRETCHDIB
    case 0x0940: { // DIBBITBLT
        const bool stretchDib = function == 0x0F43;
        const bool bitBlt = function == 0x0940;
        const std::size_t base = stretchDib ? 12 : 10; // after the raster operation (and usage)
        const std::size_t dibAt = bitBlt ? 22 : (stretchDib ? 28 : 26);
        const bool hasBitmap = r.size() >= dibAt + 40;
        if (bitBlt) {
            const std::size_t d = hasBitmap ? 10 : 12;
            const QRectF destination(r.i16(d + 10), r.i16(d + 8), r.i16(d + 6), r.i16(d + 4));
            if (!hasBitmap) {
                p.fillWithBrush(destination);
                break;
            }
            const QRectF source(r.i16(d + 2), r.i16(d), destination.width(), destination.height());
            p.image(WmfDib(r, dibAt), destination, source);
            break;
        }
        const QRectF source(r.i16(base + 6), r.i16(base + 4), r.i16(base + 2), r.i16(base));
        const QRectF destination(
            r.i16(base + 14), r.i16(base + 12), r.i16(base + 10), r.i16(base + 8));
        if (!hasBitmap) {
            p.fillWithBrush(destination);
            break;
        }
        p.image(WmfDib(r, dibAt), destination, source);
        break;
    }
    default:
        break;
    }
    return r.ok();
}

} // namespace

bool Metafile::Read(const QByteArray &bytes, Metafile &out)
{
    out = Metafile();
    const View v = ViewOf(bytes);
    if (v.size() >= 88 && v.u32(0) == 1 && v.u32(40) == kEmfSignature) {
        out.m_format = Format::Emf;
        out.m_hasFrame = true;
        out.m_frameLeft = v.i32(24);
        out.m_frameTop = v.i32(28);
        out.m_frameWidth = double(v.i32(32)) - v.i32(24);
        out.m_frameHeight = double(v.i32(36)) - v.i32(28);
        out.m_devicePixels = QSize(v.i32(72), v.i32(76));
        out.m_deviceMillimetres = QSize(v.i32(80), v.i32(84));
        const long long frameWidth = (long long)v.i32(32) - v.i32(24);
        const long long frameHeight = (long long)v.i32(36) - v.i32(28);
        if (frameWidth > 0 && frameHeight > 0 && frameWidth < INT32_MAX / 96
            && frameHeight < INT32_MAX / 96) {
            out.m_width = MulDiv(int(frameWidth), 96, 2540);
            out.m_height = MulDiv(int(frameHeight), 96, 2540);
        } else { // no frame: the bounds, in device pixels, inclusive
            out.m_width
                = int(std::clamp<long long>((long long)v.i32(16) - v.i32(8) + 1, 0, INT32_MAX));
            out.m_height
                = int(std::clamp<long long>((long long)v.i32(20) - v.i32(12) + 1, 0, INT32_MAX));
            out.m_hasFrame = false;
        }
    } else {
        out.m_format = Format::Wmf;
        std::size_t at = 0;
        if (v.size() >= 22 && v.u32(0) == kPlaceableKey) {
            const int left = v.i16(6), top = v.i16(8), right = v.i16(10), bottom = v.i16(12);
            const int inch = v.u16(14);
            if (inch == 0)
                return false;
            out.m_window = QRectF(left, top, right - left, bottom - top);
            out.m_width = MulDiv(MulDiv(std::abs(right - left), 2540, inch), 96, 2540);
            out.m_height = MulDiv(MulDiv(std::abs(bottom - top), 2540, inch), 96, 2540);
            at = 22;
        }
        if (v.size() < at + 18 || (v.u16(at) != 1 && v.u16(at) != 2) || v.u16(at + 2) != 9)
            return false;
        out.m_recordsAt = int(at + 18);
        if (out.m_width == 0 && out.m_height == 0) {
            // Without the placeable header the picture is the first window extent it sets.
            std::size_t record = at + 18;
            while (record + 6 <= v.size()) {
                const std::uint64_t length = std::uint64_t(v.u32(record)) * 2;
                if (length < 6 || length > v.size() - record)
                    break;
                if (v.u16(record + 4) == 0x020C) {
                    const int cy = v.i16(record + 6), cx = v.i16(record + 8);
                    out.m_width = std::abs(cx);
                    out.m_height = std::abs(cy);
                    out.m_window = QRectF(0, 0, out.m_width, out.m_height);
                    break;
                }
                if (v.u16(record + 4) == 0)
                    break;
                record += std::size_t(length);
            }
        }
    }
    if (out.m_width <= 0 || out.m_height <= 0 || !SizeAllowed(out.m_width, out.m_height))
        return false;
    out.m_bytes = bytes;
    return true;
}

void Metafile::play(QPainter &painter, const QRectF &target) const
{
    const View file = ViewOf(m_bytes);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    if (m_format == Format::Emf) {
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
        Player player(painter, toTarget);
        player.devicePixelsPerMm = xPerHundredthMm * 100;
        std::size_t at = 0;
        while (at + 8 <= file.size()) {
            const std::uint32_t type = file.u32(at), size = file.u32(at + 4);
            if (size < 8 || size % 4 != 0 || size > file.size() - at)
                break;
            if (!PlayEmfRecord(player, type, View(file.at(at, size), size)))
                break;
            at += size;
        }
    } else {
        // The window the records set maps onto the target, as a picture played in anisotropic mode.
        Player player(painter, QTransform());
        player.state.mapMode = 8;
        player.state.windowOrg = m_window.topLeft();
        player.state.windowExt = QSizeF(m_window.width(), m_window.height());
        player.state.viewportOrg = target.topLeft();
        player.state.viewportExt = target.size();
        std::vector<bool> used;
        std::size_t at = std::size_t(m_recordsAt);
        while (at + 6 <= file.size()) {
            const std::uint64_t length = std::uint64_t(file.u32(at)) * 2;
            if (length < 6 || length > file.size() - at)
                break;
            const int function = file.u16(at + 4);
            const View record(file.at(at, std::size_t(length)), std::size_t(length));
            if (function == 0x0103 || function == 0x020D || function == 0x020E) {
                // Map mode and viewport stay those of the target: the picture fills it.
            } else if (!PlayWmfRecord(player, function, record, used)) {
                break;
            }
            at += std::size_t(length);
        }
    }
    painter.restore();
}

} // namespace pixmaro::metafile
