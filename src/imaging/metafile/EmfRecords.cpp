// The records of enhanced metafiles (EMF) that the player draws, and their playback.
#include "imaging/metafile/EmfRecords.h"

#include "imaging/metafile/Dib.h"
#include "imaging/metafile/Player.h"

namespace pixmaro::metafile {

namespace {

// A DIB that a bitmap record points to with offsets from the record's start; a size that does
// not fit the record marks the record malformed.
struct RecordBitmap {
    RecordBitmap(const ByteReader &r, std::uint32_t offInfo, std::uint32_t infoSize,
        std::uint32_t offBits, std::uint32_t bitsSize)
    {
        const std::uint8_t *info = r.bytesAt(offInfo, infoSize);
        const std::uint8_t *bits = r.bytesAt(offBits, bitsSize);
        if (!info || !bits || infoSize < 12)
            return;
        bytes = { info, infoSize, bits, bitsSize };
        size = DibSize(info, infoSize, bits, bitsSize);
        const ByteReader header(info, infoSize);
        bottomUp = header.u32At(0) == 12 ? header.i16At(6) > 0 : header.i32At(8) > 0;
    }

    DibBytes bytes;
    QSize size;
    bool bottomUp = true;
};

// Plays one record; false when the playback ends here (the end record, or a malformed record).
bool PlayEmfRecord(Player &p, std::uint32_t type, const ByteReader &r)
{
    const auto point = [&](std::size_t at) { return QPointF(r.i32At(at), r.i32At(at + 4)); };
    const auto point16 = [&](std::size_t at) { return QPointF(r.i16At(at), r.i16At(at + 2)); };
    const auto box = [&](std::size_t at) {
        return QRectF(
            QPointF(r.i32At(at), r.i32At(at + 4)), QPointF(r.i32At(at + 8), r.i32At(at + 12)));
    };
    DcState &s = p.state;
    switch (type) {
    case EmrEof:
        return false;
    case EmrSetWindowExtEx:
        s.windowExt = QSizeF(r.i32At(8), r.i32At(12));
        break;
    case EmrSetWindowOrgEx:
        s.windowOrg = point(8);
        break;
    case EmrSetViewportExtEx:
        s.viewportExt = QSizeF(r.i32At(8), r.i32At(12));
        break;
    case EmrSetViewportOrgEx:
        s.viewportOrg = point(8);
        break;
    case EmrSetMapMode:
        s.mapMode = int(r.u32At(8));
        break;
    case EmrSetBkMode:
        s.opaqueBackground = r.u32At(8) == 2;
        break;
    case EmrSetPolyFillMode:
        s.fillRule = r.u32At(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case EmrSetTextAlign:
        s.textAlign = int(r.u32At(8));
        break;
    case EmrSetTextColor:
        s.textColor = FromColorRef(r.u32At(8));
        break;
    case EmrSetBkColor:
        s.backgroundColor = FromColorRef(r.u32At(8));
        break;
    case EmrMoveToEx:
        s.position = point(8);
        break;
    case EmrSaveDc:
        if (p.saved.size() < 1024)
            p.saved.push_back(s);
        break;
    case EmrRestoreDc:
        p.restore(r.i32At(8));
        break;
    case EmrSetWorldTransform:
        s.world = QTransform(
            r.f32At(8), r.f32At(12), r.f32At(16), r.f32At(20), r.f32At(24), r.f32At(28));
        break;
    case EmrModifyWorldTransform: {
        const QTransform x(
            r.f32At(8), r.f32At(12), r.f32At(16), r.f32At(20), r.f32At(24), r.f32At(28));
        switch (r.u32At(32)) {
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
    case EmrSelectObject:
        p.selectIndex(r.u32At(8));
        break;
    case EmrCreatePen:
        p.setObject(r.u32At(8), PenFrom(int(r.u32At(12)), r.i32At(16), FromColorRef(r.u32At(24))));
        break;
    case EmrExtCreatePen:
        p.setObject(r.u32At(8), PenFrom(int(r.u32At(28)), r.u32At(32), FromColorRef(r.u32At(40))));
        break;
    case EmrCreateBrushIndirect:
        p.setObject(
            r.u32At(8), BrushFrom(int(r.u32At(12)), FromColorRef(r.u32At(16)), int(r.u32At(20))));
        break;
    case EmrExtCreateFontIndirectW: {
        LogFont f;
        f.height = r.i32At(12);
        f.weight = r.i32At(28);
        f.italic = r.u8At(32);
        f.underline = r.u8At(33);
        f.strikeOut = r.u8At(34);
        if (const std::uint8_t *face = r.bytesAt(40, 64)) {
            QString name;
            for (int i = 0; i < 32; ++i) {
                const char16_t c = char16_t(face[2 * i] | (face[2 * i + 1] << 8));
                if (c == 0)
                    break;
                name.append(QChar(c));
            }
            f.face = name;
        }
        p.setObject(r.u32At(8), f);
        break;
    }
    case EmrDeleteObject:
        if (r.u32At(8) < p.objects.size())
            p.objects[r.u32At(8)] = std::monostate {};
        break;
    case EmrLineTo:
        p.lineTo(point(8));
        break;
    case EmrEllipse:
        p.ellipse(box(8));
        break;
    case EmrRectangle:
        p.rectangle(box(8));
        break;
    case EmrRoundRect:
        p.roundRect(box(8), QSizeF(r.i32At(24), r.i32At(28)));
        break;
    case EmrSetPixelV:
        p.setPixel(point(8), FromColorRef(r.u32At(16)));
        break;
    case EmrPolyBezier: // drawn as its control polygon
    case EmrPolygon:
    case EmrPolyline:
    case EmrPolylineTo:
    case EmrPolyBezier16:
    case EmrPolygon16:
    case EmrPolyline16:
    case EmrPolylineTo16: {
        const bool small = type >= EmrPolyBezier16;
        QPolygonF points;
        const bool read = small ? ReadPoints(r, 28, r.u32At(24), points, point16, 4)
                                : ReadPoints(r, 28, r.u32At(24), points, point, 8);
        if (!read)
            return false;
        if (type == EmrPolygon || type == EmrPolygon16) {
            p.polygon(points);
        } else if (type == EmrPolylineTo || type == EmrPolylineTo16) {
            points.prepend(s.position);
            p.polyline(points);
            if (!points.isEmpty())
                s.position = points.last();
        } else {
            p.polyline(points);
        }
        break;
    }
    case EmrPolyPolyline:
    case EmrPolyPolygon:
    case EmrPolyPolyline16:
    case EmrPolyPolygon16: {
        const bool small = type >= EmrPolyPolyline16;
        const std::uint32_t polys = r.u32At(24), total = r.u32At(28);
        if (polys > (r.size() - 32) / 4)
            return false;
        std::size_t at = 32 + std::size_t(polys) * 4;
        std::vector<QPolygonF> polygons;
        std::uint64_t used = 0;
        for (std::uint32_t i = 0; i < polys; ++i) {
            const std::uint32_t count = r.u32At(32 + 4 * i);
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
        if (type == EmrPolyPolygon || type == EmrPolyPolygon16) {
            p.polyPolygon(polygons);
        } else {
            for (const QPolygonF &poly : polygons)
                p.polyline(poly);
        }
        break;
    }
    case EmrExtTextOutA:
    case EmrExtTextOutW: {
        const std::uint32_t count = r.u32At(44), offset = r.u32At(48);
        const bool wide = type == EmrExtTextOutW;
        const std::uint8_t *chars = r.bytesAt(offset, std::size_t(count) * (wide ? 2 : 1));
        if (!chars)
            return false;
        QString string;
        for (std::uint32_t i = 0; i < count; ++i)
            string.append(
                wide ? QChar(char16_t(chars[2 * i] | (chars[2 * i + 1] << 8))) : QChar(chars[i]));
        p.text(point(36), string, int(r.u32At(52)), box(56));
        break;
    }
    case EmrBitBlt:
    case EmrStretchBlt: {
        const QRectF destination(r.i32At(24), r.i32At(28), r.i32At(32), r.i32At(36));
        const std::uint32_t infoSize = r.u32At(88);
        if (infoSize == 0) { // a pattern operation without a source bitmap
            p.fillWithBrush(destination);
            break;
        }
        const RecordBitmap dib(r, r.u32At(84), infoSize, r.u32At(92), r.u32At(96));
        const QSizeF sourceSize
            = type == EmrStretchBlt ? QSizeF(r.i32At(100), r.i32At(104)) : destination.size();
        p.image(dib.bytes, dib.size, destination,
            QRectF(QPointF(r.i32At(44), r.i32At(48)), sourceSize));
        break;
    }
    case EmrSetDiBitsToDevice:
    case EmrStretchDiBits: {
        const RecordBitmap dib(r, r.u32At(48), r.u32At(52), r.u32At(56), r.u32At(60));
        if (dib.size.isEmpty())
            break;
        const double xSrc = r.i32At(32), ySrc = r.i32At(36), cxSrc = r.i32At(40),
                     cySrc = r.i32At(44);
        const QSizeF destinationSize
            = type == EmrStretchDiBits ? QSizeF(r.i32At(72), r.i32At(76)) : QSizeF(cxSrc, cySrc);
        // A bottom-up DIB counts its source rows from the bottom.
        const double top = dib.bottomUp ? dib.size.height() - ySrc - cySrc : ySrc;
        p.image(dib.bytes, dib.size, QRectF(QPointF(r.i32At(24), r.i32At(28)), destinationSize),
            QRectF(xSrc, top, cxSrc, cySrc));
        break;
    }
    default:
        break; // records that do not draw, or that this player does not know
    }
    return r.ok();
}
} // namespace

void PlayEmf(Player &player, const ByteReader &file)
{
    std::size_t at = 0;
    while (at + 8 <= file.size() && player.nextRecord()) {
        const std::uint32_t type = file.u32At(at), size = file.u32At(at + 4);
        if (size < 8 || size % 4 != 0 || size > file.size() - at)
            break;
        if (!PlayEmfRecord(player, type, file.viewAt(at, size)))
            break;
        at += size;
    }
}

} // namespace pixmaro::metafile
