// Eliding label: one line of plain text that shows "..." in its middle when it is too long for
// the label, keeping its whole text for tooltips and assistive technology.
#include "ui/ElidingLabel.h"

#include <QPainter>
#include <QStyle>

namespace pixmaro {

ElidingLabel::ElidingLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize ElidingLabel::minimumSizeHint() const
{
    return { 0, QLabel::minimumSizeHint().height() };
}

void ElidingLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(
        &p, area, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

} // namespace pixmaro
