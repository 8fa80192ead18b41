// A label whose text stands out of the window: drawn over a few grey copies of itself, each one
// pixel further towards the bottom right.
#include "about/Label3D.h"

#include <QPainter>

#include <algorithm>

namespace pixmaro {

Label3D::Label3D(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setAccessibleName(text);
}

void Label3D::setDepth(int depth)
{
    m_depth = std::max(depth, 0);
    update();
}

void Label3D::setShadowColor(const QColor &color)
{
    m_shadow = color;
    update();
}

void Label3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect area = rect().adjusted(0, 0, -m_depth, -m_depth);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter;
    // The deepest copy first, so each nearer one covers it.
    painter.setPen(m_shadow);
    for (int d = m_depth; d >= 1; --d)
        painter.drawText(area.translated(d, d), flags, m_text);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, m_text);
}

} // namespace pixmaro
