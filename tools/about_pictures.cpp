// Draws the about box's two pictures (160 × 102) and writes them as JPEG files, so the pictures
// stored with the program can be made again: about_pictures <folder>.
#include "imaging/Encoders.h"
#include "imaging/QtRasterReaders.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

using namespace pixmaro;

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 102;

// The first picture: a folder's pictures as a contact sheet, with the name over it.
QImage ContactSheet()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(18, 40, 92));
    sky.setColorAt(1, QColor(70, 130, 190));
    p.fillRect(image.rect(), sky);
    const QColor tints[6][2] = {
        { QColor(250, 200, 60), QColor(220, 90, 40) },
        { QColor(120, 200, 120), QColor(30, 110, 60) },
        { QColor(240, 140, 170), QColor(150, 50, 110) },
        { QColor(150, 210, 250), QColor(40, 90, 170) },
        { QColor(250, 240, 200), QColor(190, 150, 90) },
        { QColor(200, 170, 250), QColor(90, 60, 170) },
    };
    for (int i = 0; i < 6; ++i) {
        const QRectF tile(10 + (i % 3) * 49, 10 + (i / 3) * 36, 42, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRect(tile.translated(2, 2));
        p.setBrush(Qt::white);
        p.drawRect(tile);
        QLinearGradient fill(tile.topLeft(), tile.bottomRight());
        fill.setColorAt(0, tints[i][0]);
        fill.setColorAt(1, tints[i][1]);
        const QRectF inner = tile.adjusted(2, 2, -2, -2);
        p.fillRect(inner, fill);
        // A hill and a sun in every thumbnail.
        QPainterPath hill;
        hill.moveTo(inner.bottomLeft());
        hill.cubicTo(inner.left() + 12, inner.center().y() - 2, inner.right() - 14,
            inner.center().y() + 10, inner.right(), inner.center().y() + 2);
        hill.lineTo(inner.bottomRight());
        hill.closeSubpath();
        p.setBrush(tints[i][1].darker(140));
        p.drawPath(hill);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(inner.right() - 8, inner.top() + 7), 3.5, 3.5);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(17);
    p.setFont(font);
    const QRect band(0, 80, kWidth, 22);
    p.fillRect(band, QColor(0, 0, 0, 110));
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, QStringLiteral("Pixmaro"));
    return image;
}

// The second picture: an evening lake, the gallery's view once the batch is done.
QImage EveningLake()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 62);
    sky.setColorAt(0, QColor(60, 30, 110));
    sky.setColorAt(0.6, QColor(230, 100, 80));
    sky.setColorAt(1, QColor(255, 200, 110));
    p.fillRect(QRect(0, 0, kWidth, 62), sky);
    QRadialGradient sun(QPointF(108, 30), 22);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.35, QColor(255, 230, 150));
    sun.setColorAt(1, QColor(255, 200, 110, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(108, 30), 22, 22);
    QPainterPath far;
    far.moveTo(0, 62);
    far.lineTo(0, 44);
    far.lineTo(26, 30);
    far.lineTo(48, 42);
    far.lineTo(70, 26);
    far.lineTo(92, 46);
    far.lineTo(118, 36);
    far.lineTo(140, 44);
    far.lineTo(160, 34);
    far.lineTo(160, 62);
    far.closeSubpath();
    p.setBrush(QColor(90, 50, 110));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 62);
    near.lineTo(0, 52);
    near.cubicTo(30, 44, 50, 58, 80, 55);
    near.cubicTo(110, 52, 140, 60, 160, 54);
    near.lineTo(160, 62);
    near.closeSubpath();
    p.setBrush(QColor(45, 25, 60));
    p.drawPath(near);
    QLinearGradient water(0, 62, 0, kHeight);
    water.setColorAt(0, QColor(200, 110, 100));
    water.setColorAt(1, QColor(40, 30, 80));
    p.fillRect(QRect(0, 62, kWidth, kHeight - 62), water);
    // The sun's track on the water.
    p.setPen(QPen(QColor(255, 230, 170, 170), 1.5));
    for (int i = 0; i < 7; ++i) {
        const double y = 65 + i * 5.0, half = 14 - i * 1.5;
        p.drawLine(QPointF(108 - half, y), QPointF(108 + half, y));
    }
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(255, 240, 220));
    p.drawText(QRect(0, 86, kWidth - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("made for Pixmaro"));
    return image;
}

bool Write(const QImage &image, const QString &path)
{
    WorkingBitmap raster;
    if (!ImageToBitmap(image, raster, false))
        return false;
    JpegEncoder encoder;
    encoder.setImage(raster, 90);
    if (const auto error = encoder.save(path)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(*error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the lettering
    if (argc != 2) {
        std::fprintf(stderr, "usage: about_pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = Write(ContactSheet(), folder + QStringLiteral("/FadeFrom.jpg"))
        && Write(EveningLake(), folder + QStringLiteral("/FadeTo.jpg"));
    return ok ? 0 : 1;
}
