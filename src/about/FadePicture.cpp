// A picture held by the cross-fade control: a raster, an icon with its transparency, or a metafile.
#include "about/FadePicture.h"

#include "imaging/Picture.h"
#include "imaging/QtRasterReaders.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace pixmaro {

int FadePicture::width() const
{
    switch (m_kind) {
    case Kind::Raster:
        return m_raster->width();
    case Kind::Icon:
        return m_icon.width();
    case Kind::Metafile:
        return m_metafile->width();
    case Kind::None:
        break;
    }
    return 0;
}

int FadePicture::height() const
{
    switch (m_kind) {
    case Kind::Raster:
        return m_raster->height();
    case Kind::Icon:
        return m_icon.height();
    case Kind::Metafile:
        return m_metafile->height();
    case Kind::None:
        break;
    }
    return 0;
}

void FadePicture::clear()
{
    *this = FadePicture();
}

void FadePicture::setRaster(const QImage &image)
{
    clear();
    auto raster = std::make_shared<WorkingBitmap>();
    if (!ImageToBitmap(image, *raster, false) || raster->isEmpty())
        return;
    m_raster = std::move(raster);
    m_kind = Kind::Raster;
}

void FadePicture::setIcon(const QImage &image)
{
    clear();
    if (image.isNull() || !SizeAllowed(image.width(), image.height()))
        return;
    m_icon = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_kind = Kind::Icon;
}

bool FadePicture::load(const QString &path)
{
    clear();
    auto picture = std::make_shared<Picture>();
    if (!LoadPicture(path, *picture))
        return false;
    switch (picture->kind()) {
    case Picture::Kind::Wmf:
    case Picture::Kind::Emf:
        m_metafile = std::move(picture);
        m_kind = Kind::Metafile;
        return true;
    case Picture::Kind::Icon: {
        // The checked loader has accepted the file; read it again for the largest image with its
        // transparency, which the working raster does not keep.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "ico");
        QImage best;
        for (int i = 0; i < std::max(reader.imageCount(), 1); ++i) {
            if (i > 0 && !reader.jumpToImage(i))
                break;
            const QImage image = reader.read();
            if (!image.isNull()
                && (best.isNull()
                    || qint64(image.width()) * image.height()
                        > qint64(best.width()) * best.height()))
                best = image;
        }
        setIcon(best);
        return !isEmpty();
    }
    default: {
        auto raster = std::make_shared<WorkingBitmap>();
        MoveToBitmap(*raster, *picture);
        if (raster->isEmpty())
            return false;
        m_raster = std::move(raster);
        m_kind = Kind::Raster;
        return true;
    }
    }
}

void FadePicture::drawStretched(WorkingBitmap &target, int W, int H) const
{
    W = std::min(W, target.width());
    H = std::min(H, target.height());
    if (W <= 0 || H <= 0)
        return;
    switch (m_kind) {
    case Kind::Raster:
        StretchRaster(*m_raster, target, W, H);
        break;
    case Kind::Metafile:
        m_metafile->drawStretched(target, W, H);
        break;
    case Kind::Icon: {
        // Nearest neighbour like the rasters, with the icon's transparency over the target.
        QImage canvas = ImageOver(target);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(0, 0, W, H), m_icon);
        break;
    }
    case Kind::None:
        break;
    }
}

} // namespace pixmaro
