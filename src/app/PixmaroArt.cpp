// Pixmaro's own pictures, drawn rather than stored: the splash picture, the banner and the icon.
#include "app/PixmaroArt.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pixmaro {

namespace {

const QColor kDeepGreen(0, 96, 0);
const QColor kGreen(0, 128, 0);
const QColor kBrightGreen(0, 255, 0);

/// One photo frame: a white mount with a small landscape (sky, sun, hills) inside.
void DrawPhoto(QPainter &p, const QRectF &frame, qreal angle)
{
    p.save();
    p.translate(frame.center());
    p.rotate(angle);
    const QRectF r(-frame.width() / 2, -frame.height() / 2, frame.width(), frame.height());
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const qreal inset = std::max<qreal>(2, frame.width() * 0.08);
    const QRectF inside = r.adjusted(inset, inset, -inset, -inset);
    QLinearGradient sky(inside.topLeft(), inside.bottomLeft());
    sky.setColorAt(0, QColor(90, 160, 235));
    sky.setColorAt(1, QColor(200, 230, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(inside);
    p.setBrush(QColor(255, 210, 40));
    const qreal sun = inside.height() * 0.22;
    p.drawEllipse(QPointF(inside.right() - sun * 1.6, inside.top() + sun * 1.5), sun, sun);
    QPainterPath hills;
    hills.moveTo(inside.bottomLeft());
    hills.lineTo(inside.left(), inside.bottom() - inside.height() * 0.35);
    hills.quadTo(inside.left() + inside.width() * 0.3, inside.top() + inside.height() * 0.35,
        inside.left() + inside.width() * 0.55, inside.bottom() - inside.height() * 0.3);
    hills.quadTo(inside.left() + inside.width() * 0.8, inside.bottom() - inside.height() * 0.55,
        inside.right(), inside.bottom() - inside.height() * 0.25);
    hills.lineTo(inside.bottomRight());
    hills.closeSubpath();
    p.setBrush(kGreen);
    p.drawPath(hills);
    p.restore();
}

void DrawPhotoStack(QPainter &p, const QRectF &area)
{
    const qreal w = area.width() * 0.62;
    const qreal h = area.height() * 0.5;
    DrawPhoto(p, QRectF(area.left(), area.top() + h * 0.15, w, h), -12);
    DrawPhoto(p, QRectF(area.left() + area.width() * 0.2, area.top() + h * 0.5, w, h), 4);
    DrawPhoto(p, QRectF(area.right() - w, area.bottom() - h * 1.05, w, h), 14);
}

void FillBackground(QPainter &p, const QRect &rect)
{
    QLinearGradient back(rect.topLeft(), rect.bottomRight());
    back.setColorAt(0, kDeepGreen);
    back.setColorAt(1, QColor(128, 128, 128));
    p.fillRect(rect, back);
}

/// "Pixmaro" in bold white with a dark shadow, fitted into `area`.
void DrawName(QPainter &p, const QRectF &area, qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const QString name = QStringLiteral("Pixmaro");
    // The largest size up to `pixelSize` at which the name, with its shadow, fits the area.
    for (int size = int(pixelSize); size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(name) + 4 <= area.width())
            break;
    }
    p.setFont(font);
    p.setPen(QColor(0, 40, 0));
    p.drawText(area.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, name);
}

} // namespace

QPixmap SplashPicture()
{
    QPixmap picture(256, 128);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    FillBackground(p, picture.rect());
    DrawPhotoStack(p, QRectF(10, 14, 100, 100));
    DrawName(p, QRectF(118, 22, 130, 50), 30);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(kBrightGreen);
    p.drawText(QRectF(120, 70, 132, 44), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Thumbnails, renaming and galleries"));
    p.setPen(QPen(kBrightGreen, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 254, 126));
    return picture;
}

QPixmap BannerPicture(int width, int height)
{
    QPixmap picture(width, height);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    FillBackground(p, picture.rect());
    DrawPhotoStack(p, QRectF(4, 2, height * 1.1, height - 4));
    DrawName(p, QRectF(height * 1.25, 0, width - height * 1.25, height), height * 0.5);
    return picture;
}

QPixmap IconPicture(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPhotoStack(p, QRectF(side * 0.04, side * 0.04, side * 0.92, side * 0.92));
    return picture;
}

} // namespace pixmaro
