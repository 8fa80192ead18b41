// A button that shows a colour and lets the user pick another: the options dialog's colour pickers.
#include "html/ColorPickerButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace pixmaro {

namespace {

QColor ToQColor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int FromQColor(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

} // namespace

ColorPickerButton::ColorPickerButton(QWidget *parent)
    : QPushButton(parent)
{
    setIconSize(QSize(40, 14));
    connect(this, &QPushButton::clicked, this, &ColorPickerButton::pick);
    setColor(0);
}

void ColorPickerButton::setColor(int bgr)
{
    bgr &= 0xFFFFFF;
    const bool changed = bgr != m_color;
    m_color = bgr;
    QPixmap swatch(iconSize());
    swatch.fill(ToQColor(bgr));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(swatch));
    setToolTip(ToQColor(bgr).name(QColor::HexRgb).toUpper());
    if (changed)
        Q_EMIT colorChanged(bgr);
}

void ColorPickerButton::pick()
{
    const QColor chosen = QColorDialog::getColor(ToQColor(m_color), this, accessibleName());
    if (chosen.isValid())
        setColor(FromQColor(chosen));
}

} // namespace pixmaro
