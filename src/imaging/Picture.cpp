// A loaded picture of one of the supported kinds, and the decode into the working raster.
#include "imaging/Picture.h"

#include "imaging/JpegDecoder.h"
#include "imaging/QtRasterReaders.h"
#include "imaging/gif/GifCompose.h"
#include "imaging/gif/GifDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace pixmaro {

namespace {

// The largest file Pixmaro reads into memory: far beyond any picture within the size limit.
constexpr qint64 kMaxFileSize = qint64(2) << 30;

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

bool ReadWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
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
    m_metafile = metafile::Metafile();
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
        columns[std::size_t(x)] = int((std::int64_t(2 * x + 1) * w) / (std::int64_t(2) * W));
    for (int y = 0; y < H; ++y) {
        const int sy = int((std::int64_t(2 * y + 1) * h) / (std::int64_t(2) * H));
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

void Picture::drawStretched(WorkingBitmap &target, int W, int H) const
{
    if (W <= 0 || H <= 0 || isEmpty())
        return;
    if (m_kind == Kind::Wmf || m_kind == Kind::Emf) {
        QImage canvas = ImageOver(target);
        QPainter painter(&canvas);
        m_metafile.play(painter, QRectF(0, 0, W, H));
        return;
    }
    StretchRaster(m_pixels, target, W, H, m_columns);
}

bool LoadPicture(const QString &path, Picture &picture)
{
    picture.m_kind = Picture::Kind::None;
    const Picture::Kind kind = KindOf(path);
    QByteArray bytes;
    if (kind == Picture::Kind::None || !ReadWholeFile(path, bytes))
        return false;
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    bool ok = false;
    switch (kind) {
    case Picture::Kind::Jpeg:
        ok = DecodeJpeg(data, std::size_t(bytes.size()), picture.m_pixels);
        break;
    case Picture::Kind::Bitmap:
        ok = ReadBmp(bytes, picture.m_pixels);
        break;
    case Picture::Kind::Icon:
        ok = ReadIcon(bytes, picture.m_pixels);
        break;
    case Picture::Kind::Gif: {
        gif::GifFile file;
        ok = gif::DecodeGif(data, std::size_t(bytes.size()), file, true);
        if (ok)
            gif::DrawFirstFrameOnWhite(file, picture.m_pixels);
        break;
    }
    case Picture::Kind::Wmf:
    case Picture::Kind::Emf:
        ok = metafile::Metafile::Read(bytes, picture.m_metafile);
        break;
    case Picture::Kind::None:
        break;
    }
    if (!ok) {
        picture.reset();
        return false;
    }
    picture.m_kind = kind;
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
