// Gradient button: a push button filled with a plain colour that turns into a gradient towards
// bright green while the pointer is over it.
#include "ui/GradientButton.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace pixmaro {

GradientButton::GradientButton(const QString &text, QColor base, QWidget *parent)
    : QPushButton(text, parent)
    , m_base(base)
{
    setAttribute(Qt::WA_Hover);
    // Enter presses the button that has the focus, as Space does ("OK!" gets the focus after a
    // run).
    setAutoDefault(true);
}

QSize GradientButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return { std::max(75, text.width() + 24), std::max(25, text.height() + 10) };
}

void GradientButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void GradientButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

void GradientButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown() || isChecked();

    QColor top = m_base;
    QColor bottom = endColor();
    if (!isEnabled()) {
        top = top.lighter(150);
        bottom = bottom.lighter(150);
    }
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, down ? bottom : top);
    fill.setColorAt(1, down ? top : bottom);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(fill);
    p.drawRoundedRect(area, 3, 3);

    QRect textArea = rect();
    if (down)
        textArea.translate(1, 1);
    p.setPen(isEnabled() ? QColor(Qt::white) : QColor(220, 220, 220));
    p.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace pixmaro
