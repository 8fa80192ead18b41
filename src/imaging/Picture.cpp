// A loaded picture of one of the supported kinds, and the decode into the working raster.
#include "imaging/Picture.h"

#include "base/Cancel.h"
#include "imaging/JpegDecoder.h"
#include "imaging/QtRasterReaders.h"
#include "imaging/Resample.h"
#include "imaging/gif/GifCompose.h"
#include "imaging/gif/GifDecoder.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace pixmaro {

namespace {

Picture::Kind KindOf(const QString &path)
{
    const QString extension = QFileInfo(path).fileName().section(u'.', -1).toLower();
    if (!QFileInfo(path).fileName().contains(u'.'))
        return Picture::Kind::None;
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return Picture::Kind::Jpeg;
    if (extension == QLatin1String("bmp"))
        return Picture::Kind::Bitmap;
    if (extension == QLatin1String("gif"))
        return Picture::Kind::Gif;
    if (extension == QLatin1String("wmf"))
        return Picture::Kind::Wmf;
    if (extension == QLatin1String("emf"))
        return Picture::Kind::Emf;
    if (extension == QLatin1String("ico"))
        return Picture::Kind::Icon;
    return Picture::Kind::None;
}

} // namespace

int Picture::width() const
{
    if (m_kind == Kind::Wmf || m_kind == Kind::Emf)
        return m_metafile.width();
    return m_pixels.width();
}

int Picture::height() const
{
    if (m_kind == Kind::Wmf || m_kind == Kind::Emf)
        return m_metafile.height();
    return m_pixels.height();
}

void Picture::reset()
{
    m_kind = Kind::None;
    m_pixels.resize(0, 0);
    m_metafile = metafile::Metafile(); // before the mapping its bytes point into
    m_file.close();
    m_cancel = nullptr;
}

QImage ImageOver(WorkingBitmap &raster)
{
    return QImage(raster.bits(), raster.width(), raster.height(), qsizetype(raster.stride()),
        QImage::Format_BGR888);
}

void StretchRaster(
    const WorkingBitmap &source, WorkingBitmap &target, int W, int H, std::vector<int> &columns)
{
    const int w = source.width(), h = source.height();
    if (W <= 0 || H <= 0 || w == 0 || h == 0)
        return;
    // Source column of each target column, computed once per draw.
    columns.resize(static_cast<std::size_t>(W));
    for (int x = 0; x < W; ++x)
        columns[std::size_t(x)] = NearestSourceIndex(x, w, W);
    for (int y = 0; y < H; ++y) {
        const int sy = NearestSourceIndex(y, h, H); // the rows RowsReadByResizeFast names
        const std::uint8_t *in = source.row(sy);
        std::uint8_t *out = target.row(y);
        if (W == w) {
            std::memcpy(out, in, std::size_t(w) * 3);
            continue;
        }
        for (int x = 0; x < W; ++x)
            std::memcpy(out + 3 * x, in + 3 * columns[std::size_t(x)], 3);
    }
}

bool Picture::drawStretched(WorkingBitmap &target, int W, int H) const
{
    if (W <= 0 || H <= 0 || isEmpty())
        return true;
    if (m_kind == Kind::Wmf || m_kind == Kind::Emf) {
        QImage canvas = ImageOver(target);
        QPainter painter(&canvas);
        return m_metafile.play(painter, QRectF(0, 0, W, H), m_cancel);
    }
    StretchRaster(m_pixels, target, W, H, m_columns);
    return true;
}

bool LoadPicture(
    const QString &path, Picture &picture, const std::atomic<bool> *cancel, const RowChooser &rows)
{
    picture.reset();
    const Picture::Kind kind = KindOf(path);
    if (kind == Picture::Kind::Jpeg) {
        // Streamed piece by piece, only the chosen rows kept: neither the file nor the picture
        // need be held whole.
        if (!DecodeJpegFile(path, picture.m_pixels, rows, cancel) || Cancelled(cancel)) {
            picture.reset();
            return false;
        }
        picture.m_kind = kind;
        return true;
    }
    // The file is mapped, not read: each decoder touches only the bytes it needs.
    MappedFile &file = picture.m_file;
    if (kind == Picture::Kind::None || !file.open(path))
        return false;
    const std::uint8_t *data = file.data();
    const std::size_t size = file.size();
    bool ok = false;
    switch (kind) {
    case Picture::Kind::Bitmap:
        ok = ReadBmp(file.bytes(), picture.m_pixels);
        break;
    case Picture::Kind::Icon:
        ok = ReadIcon(file.bytes(), picture.m_pixels);
        break;
    case Picture::Kind::Gif:
        ok = gif::DecodeFirstFrameOnWhite(data, size, picture.m_pixels, cancel);
        break;
    case Picture::Kind::Wmf:
    case Picture::Kind::Emf:
        // A metafile is played later, from the mapped bytes: the mapping stays open until the
        // next load or reset.
        ok = metafile::Metafile::Read(file.bytes(), picture.m_metafile, cancel);
        picture.m_cancel = cancel;
        break;
    case Picture::Kind::Jpeg:
    case Picture::Kind::None:
        break;
    }
    if (!ok || Cancelled(cancel)) {
        picture.reset();
        return false;
    }
    picture.m_kind = kind;
    if (!picture.drawsFromFile())
        file.close();
    return true;
}

void DecodeToBitmap(WorkingBitmap &target, const Picture &source)
{
    if (&target == &source.pixels())
        return;
    if (source.kind() == Picture::Kind::Wmf || source.kind() == Picture::Kind::Emf) {
        target.resizeToOverwrite(source.width(), source.height());
        target.fill(255, 255, 255);
        source.drawStretched(target, source.width(), source.height());
        return;
    }
    // Rasters already hold the picture as drawn (a GIF on its white screen).
    target.copyFrom(source.pixels());
}

void MoveToBitmap(WorkingBitmap &target, Picture &source)
{
    if (source.kind() == Picture::Kind::Wmf || source.kind() == Picture::Kind::Emf) {
        DecodeToBitmap(target, source);
        return;
    }
    target.swap(source.m_pixels);
    source.reset();
}

void DecodeToBitmap(WorkingBitmap &target, const WorkingBitmap &source)
{
    target.copyFrom(source);
}

} // namespace pixmaro
