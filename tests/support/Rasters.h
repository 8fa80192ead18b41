// Test helpers: building rasters and reading the PNM files reference tools write.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pixmaro::test {

struct Px {
    int r, g, b;
    friend bool operator==(const Px &, const Px &) = default;
};

inline Px At(const WorkingBitmap &raster, int x, int y)
{
    const std::uint8_t *p = raster.row(y) + 3 * x;
    return { p[2], p[1], p[0] };
}

inline void Set(WorkingBitmap &raster, int x, int y, Px c)
{
    std::uint8_t *p = raster.row(y) + 3 * x;
    p[0] = std::uint8_t(c.b);
    p[1] = std::uint8_t(c.g);
    p[2] = std::uint8_t(c.r);
}

/// A grey raster from rows of levels.
inline WorkingBitmap GreyRaster(std::initializer_list<std::initializer_list<int>> rows)
{
    WorkingBitmap raster;
    raster.resize(int(rows.begin()->size()), int(rows.size()));
    int y = 0;
    for (const auto &row : rows) {
        int x = 0;
        for (int v : row)
            Set(raster, x++, y, { v, v, v });
        ++y;
    }
    return raster;
}

/// Reads a binary PPM (P6) or PGM (P5) file into a raster; empty on failure.
inline WorkingBitmap ReadPnm(const QString &path)
{
    WorkingBitmap raster;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return raster;
    const QByteArray all = file.readAll();
    const QList<QByteArray> head = all.left(64).simplified().split(' ');
    if (head.size() < 4)
        return raster;
    const bool colour = head[0] == "P6";
    const int w = head[1].toInt(), h = head[2].toInt();
    qsizetype at = 0;
    for (int fields = 0; fields < 4; ++fields) { // skip four tokens and the single blank after them
        while (at < all.size() && QChar(all[at]).isSpace())
            ++at;
        while (at < all.size() && !QChar(all[at]).isSpace())
            ++at;
    }
    ++at;
    raster.resize(w, h);
    const auto *p = reinterpret_cast<const std::uint8_t *>(all.constData()) + at;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (colour) {
                Set(raster, x, y, { p[0], p[1], p[2] });
                p += 3;
            } else {
                Set(raster, x, y, { p[0], p[0], p[0] });
                p += 1;
            }
        }
    return raster;
}

inline bool SamePixels(const WorkingBitmap &a, const WorkingBitmap &b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!(At(a, x, y) == At(b, x, y)))
                return false;
    return true;
}

} // namespace pixmaro::test
