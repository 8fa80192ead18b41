// The rolling credits panel: a white panel whose credits text rolls up once through it, one pixel
// at a time, while the panel's other children are hidden.
#include "about/CreditsPanel.h"

#include <QPainter>

namespace pixmaro {

CreditsPanel::CreditsPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    m_timer.setInterval(kStepMsec);
    connect(&m_timer, &QTimer::timeout, this, &CreditsPanel::step);
}

void CreditsPanel::setLines(const QStringList &lines)
{
    m_lines = lines;
    while (!m_lines.isEmpty() && m_lines.first().trimmed().isEmpty())
        m_lines.removeFirst();
    update();
}

int CreditsPanel::lineHeight() const
{
    const QFontMetrics metrics = fontMetrics();
    return metrics.height() + metrics.leading() + 1;
}

int CreditsPanel::rollLength() const
{
    return height() + int(m_lines.size()) * lineHeight();
}

void CreditsPanel::Play()
{
    if (isPlaying())
        return;
    m_hidden.clear();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // Children count as visible when they are not hidden themselves, so a roll started while
        // the box is closed hides the same controls.
        if (!child->isHidden()) {
            m_hidden.append(child);
            child->hide();
        }
    }
    m_offset = 0;
    m_timer.start();
    update();
}

void CreditsPanel::step()
{
    ++m_offset;
    update();
    if (m_offset >= rollLength())
        stop();
}

void CreditsPanel::stop()
{
    m_timer.stop();
    m_offset = 0;
    for (const QPointer<QWidget> &child : std::as_const(m_hidden))
        if (child)
            child->show();
    m_hidden.clear();
    update();
    Q_EMIT OnStopPlay(this);
}

void CreditsPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!isPlaying())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    const int lineH = lineHeight();
    const QColor highlight = palette().color(QPalette::Light);
    const QColor text = palette().color(QPalette::WindowText);
    int top = height() - m_offset;
    for (const QString &line : std::as_const(m_lines)) {
        if (top + lineH > 0 && top < height()) {
            const QRect place(0, top, width(), lineH);
            // Raised text: a highlight one pixel up and to the left, the text over it.
            painter.setPen(highlight);
            painter.drawText(place.translated(-1, -1), Qt::AlignHCenter | Qt::AlignTop, line);
            painter.setPen(text);
            painter.drawText(place, Qt::AlignHCenter | Qt::AlignTop, line);
        }
        top += lineH;
    }
}

} // namespace pixmaro
