// The records of Windows metafiles (WMF) that the player draws, and their playback.
#include "imaging/metafile/WmfRecords.h"

#include "imaging/metafile/Dib.h"
#include "imaging/metafile/Player.h"

#include <set>

namespace pixmaro::metafile {

namespace {

// The object table of a WMF: a new object takes the lowest free slot, as GDI numbers them. The
// table holds at most 65,536 objects (a creation beyond fails, as it would in GDI), and finding a
// slot never walks the table, so no run of records can make it slow.
class ObjectTable {
public:
    explicit ObjectTable(std::vector<GdiObject> &objects)
        : m_objects(objects)
    {
    }

    void create(GdiObject object)
    {
        std::size_t slot;
        if (!m_free.empty()) {
            slot = *m_free.begin();
            m_free.erase(m_free.begin());
        } else if (m_objects.size() < kMaxObjects) {
            slot = m_objects.size();
            m_objects.emplace_back();
            m_used.push_back(false);
        } else {
            return;
        }
        m_objects[slot] = std::move(object);
        m_used[slot] = true;
    }
    const GdiObject *find(std::size_t index) const
    {
        return index < m_used.size() && m_used[index] ? &m_objects[index] : nullptr;
    }
    void remove(std::size_t index)
    {
        if (index >= m_used.size() || !m_used[index])
            return;
        m_used[index] = false;
        m_objects[index] = std::monostate {};
        m_free.insert(index);
    }

private:
    static constexpr std::size_t kMaxObjects = 65536;
    std::vector<GdiObject> &m_objects;
    std::vector<bool> m_used;
    std::set<std::size_t> m_free;
};

QString Latin1Text(const std::uint8_t *chars, std::size_t count)
{
    QString s;
    for (std::size_t i = 0; i < count; ++i)
        s.append(QChar(chars[i]));
    return s;
}

// The DIB a bitmap record carries at its end (`dib`, at least 40 bytes): the header, the colour
// table, then the bits.
struct RecordBitmap {
    explicit RecordBitmap(const ByteReader &dib)
    {
        const std::uint32_t header = dib.u32At(0);
        if (header < 12 || header > dib.size())
            return;
        int bitCount = 24;
        std::uint32_t colorsUsed = 0, compression = 0;
        if (header == 12) {
            bitCount = dib.u16At(10);
        } else {
            bitCount = dib.u16At(14);
            compression = dib.u32At(16);
            colorsUsed = dib.u32At(32);
        }
        std::size_t table = 0;
        if (bitCount <= 8)
            table = std::size_t(
                        colorsUsed && colorsUsed < (1u << bitCount) ? colorsUsed : (1u << bitCount))
                * (header == 12 ? 3 : 4);
        else if (compression == 3 && header == 40)
            table = 12;
        const std::size_t bitsAt = header + table;
        if (bitsAt > dib.size())
            return;
        bytes = { dib.data(), bitsAt, dib.data() + bitsAt, dib.size() - bitsAt };
        size = DibSize(bytes.info, bytes.infoSize, bytes.bits, bytes.bitsSize);
    }

    DibBytes bytes;
    QSize size;
};

// Plays one record; false when the playback ends here (the end record, or a malformed record).
bool PlayWmfRecord(Player &p, int function, const ByteReader &r, ObjectTable &table)
{
    DcState &s = p.state;
    const auto yx = [&](std::size_t at) { return QPointF(r.i16At(at + 2), r.i16At(at)); };
    const auto box = [&](std::size_t at) { // bottom, right, top, left
        return QRectF(
            QPointF(r.i16At(at + 6), r.i16At(at + 4)), QPointF(r.i16At(at + 2), r.i16At(at)));
    };
    const auto create = [&](GdiObject object) { table.create(std::move(object)); };
    switch (function) {
    case MetaEof:
        return false;
    case MetaSetBkColor:
        s.backgroundColor = FromColorRef(r.u32At(6));
        break;
    case MetaSetBkMode:
        s.opaqueBackground = r.u16At(6) == 2;
        break;
    case MetaSetPolyFillMode:
        s.fillRule = r.u16At(6) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case MetaSetTextColor:
        s.textColor = FromColorRef(r.u32At(6));
        break;
    case MetaSetTextAlign:
        s.textAlign = r.u16At(6);
        break;
    case MetaSetWindowOrg:
        s.windowOrg = yx(6);
        break;
    case MetaSetWindowExt: {
        const QPointF ext = yx(6);
        s.windowExt = QSizeF(ext.x(), ext.y());
        break;
    }
    case MetaSaveDc:
        if (p.saved.size() < 1024)
            p.saved.push_back(s);
        break;
    case MetaRestoreDc:
        p.restore(r.i16At(6));
        break;
    case MetaMoveTo:
        s.position = yx(6);
        break;
    case MetaLineTo:
        p.lineTo(yx(6));
        break;
    case MetaRectangle:
        p.rectangle(box(6));
        break;
    case MetaEllipse:
        p.ellipse(box(6));
        break;
    case MetaRoundRect:
        p.roundRect(box(10), QSizeF(r.i16At(8), r.i16At(6)));
        break;
    case MetaSetPixel:
        p.setPixel(yx(10), FromColorRef(r.u32At(6)));
        break;
    case MetaPolygon:
    case MetaPolyline: {
        QPolygonF points;
        if (!ReadPoints(
                r, 8, r.u16At(6), points,
                [&](std::size_t at) { return QPointF(r.i16At(at), r.i16At(at + 2)); }, 4))
            return false;
        function == MetaPolygon ? p.polygon(points) : p.polyline(points);
        break;
    }
    case MetaPolyPolygon: {
        const int polys = r.u16At(6);
        std::size_t at = 8 + std::size_t(polys) * 2;
        std::vector<QPolygonF> polygons;
        for (int i = 0; i < polys; ++i) {
            QPolygonF points;
            const int count = r.u16At(8 + 2 * i);
            if (!r.ok()
                || !ReadPoints(
                    r, at, count, points,
                    [&](std::size_t a) { return QPointF(r.i16At(a), r.i16At(a + 2)); }, 4))
                return false;
            at += std::size_t(count) * 4;
            polygons.push_back(points);
        }
        p.polyPolygon(polygons);
        break;
    }
    case MetaTextOut: {
        const std::size_t count = r.u16At(6);
        const std::uint8_t *chars = r.bytesAt(8, count);
        if (!chars)
            return false;
        const std::size_t after = 8 + ((count + 1) & ~std::size_t(1));
        p.text(yx(after), Latin1Text(chars, count), 0, QRectF());
        break;
    }
    case MetaExtTextOut: {
        const std::size_t count = r.u16At(10);
        const int options = r.u16At(12);
        std::size_t at = 14;
        QRectF clip;
        if (options & 6) {
            clip = QRectF(QPointF(r.i16At(14), r.i16At(16)), QPointF(r.i16At(18), r.i16At(20)));
            at += 8;
        }
        const std::uint8_t *chars = r.bytesAt(at, count);
        if (!chars)
            return false;
        p.text(yx(6), Latin1Text(chars, count), options, clip);
        break;
    }
    case MetaCreatePenIndirect:
        create(PenFrom(r.u16At(6), r.i16At(8), FromColorRef(r.u32At(12))));
        break;
    case MetaCreateBrushIndirect:
        create(BrushFrom(r.u16At(6), FromColorRef(r.u32At(8)), r.u16At(12)));
        break;
    case MetaCreateFontIndirect: {
        LogFont f;
        f.height = r.i16At(6);
        f.weight = r.i16At(14);
        f.italic = r.u8At(16);
        f.underline = r.u8At(17);
        f.strikeOut = r.u8At(18);
        for (std::size_t i = 24; i < 56 && r.has(i, 1); ++i) {
            const std::uint8_t c = r.u8At(i);
            if (c == 0)
                break;
            f.face.append(QChar(c));
        }
        create(f);
        break;
    }
    case MetaCreatePalette:
    case MetaCreatePatternBrush:
    case MetaCreateRegion:
        create(std::monostate {});
        break;
    case MetaDibCreatePatternBrush: // drawn as grey
        create(QBrush(QColor(128, 128, 128)));
        break;
    case MetaSelectObject:
        if (const GdiObject *object = table.find(r.u16At(6)))
            p.select(*object);
        break;
    case MetaDeleteObject:
        table.remove(r.u16At(6));
        break;
    case MetaDibStretchBlt:
    case MetaStretchDib:
    case MetaDibBitBlt: {
        const bool stretchDib = function == MetaStretchDib;
        const bool bitBlt = function == MetaDibBitBlt;
        const std::size_t base = stretchDib ? 12 : 10; // after the raster operation (and usage)
        const std::size_t dibAt = bitBlt ? 22 : (stretchDib ? 28 : 26);
        const bool hasBitmap = r.size() >= dibAt + 40;
        const auto bitmap = [&] { return RecordBitmap(r.viewAt(dibAt, r.size() - dibAt)); };
        if (bitBlt) {
            const std::size_t d = hasBitmap ? 10 : 12;
            const QRectF destination(
                r.i16At(d + 10), r.i16At(d + 8), r.i16At(d + 6), r.i16At(d + 4));
            if (!hasBitmap) {
                p.fillWithBrush(destination);
                break;
            }
            const QRectF source(
                r.i16At(d + 2), r.i16At(d), destination.width(), destination.height());
            {
                const RecordBitmap dib = bitmap();
                p.image(dib.bytes, dib.size, destination, source);
            }
            break;
        }
        const QRectF source(r.i16At(base + 6), r.i16At(base + 4), r.i16At(base + 2), r.i16At(base));
        const QRectF destination(
            r.i16At(base + 14), r.i16At(base + 12), r.i16At(base + 10), r.i16At(base + 8));
        if (!hasBitmap) {
            p.fillWithBrush(destination);
            break;
        }
        {
            const RecordBitmap dib = bitmap();
            p.image(dib.bytes, dib.size, destination, source);
        }
        break;
    }
    default:
        break;
    }
    return r.ok();
}

} // namespace

void PlayWmf(Player &player, const ByteReader &file, std::size_t recordsAt)
{
    ObjectTable table(player.objects);
    std::size_t at = recordsAt;
    while (at + 6 <= file.size() && player.nextRecord()) {
        const std::uint64_t length = std::uint64_t(file.u32At(at)) * 2;
        if (length < 6 || length > file.size() - at)
            break;
        const int function = file.u16At(at + 4);
        if (function == MetaSetMapMode || function == MetaSetViewportOrg
            || function == MetaSetViewportExt) {
            // Map mode and viewport stay those of the target: the picture fills it.
        } else if (!PlayWmfRecord(player, function, file.viewAt(at, std::size_t(length)), table)) {
            break;
        }
        at += std::size_t(length);
    }
}

} // namespace pixmaro::metafile
