// A view of one shared preview picture: stretched or 1:1, animating a GIF of several frames.
#include "ui/PictureView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

namespace pixmaro {

PictureView::PictureView(Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_fit(fit)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PictureView::step);
}

void PictureView::setPicture(SharedPicture picture)
{
    m_timer.stop();
    m_animator.clear();
    m_picture = std::move(picture);
    if (m_picture && !m_picture->animation.isEmpty() && m_animator.open(m_picture->animation)
        && m_animator.isAnimated())
        m_timer.start(m_animator.delayMs());
    if (m_fit == Fit::Natural)
        setFixedSize(m_picture ? m_picture->image.size() : QSize(0, 0));
    update();
}

void PictureView::setHint(const QString &hint)
{
    m_hint = hint;
    // A tooltip that looks like markup is read as markup; as escaped rich text it shows the
    // characters themselves, so a file named "<img src=x>.jpg" reads just so.
    setToolTip(hint.isEmpty() ? QString() : Qt::convertFromPlainText(hint, Qt::WhiteSpaceNormal));
}

void PictureView::step()
{
    if (m_animator.advance())
        m_timer.start(m_animator.delayMs());
    update();
}

QImage PictureView::currentFrame() const
{
    if (!m_picture)
        return {};
    if (m_animator.isEmpty())
        return m_picture->image;
    QImage frame(m_animator.screen().size(), QImage::Format_RGB32);
    frame.fill(Qt::white);
    QPainter painter(&frame);
    painter.drawImage(0, 0, m_animator.screen());
    return frame;
}

QSize PictureView::sizeHint() const
{
    if (m_fit == Fit::Natural && m_picture)
        return m_picture->image.size();
    return QWidget::sizeHint();
}

void PictureView::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    const QRect target
        = m_fit == Fit::Stretch ? rect() : QRect(QPoint(0, 0), m_picture->image.size());
    if (m_animator.isEmpty()) {
        painter.drawImage(target, m_picture->image);
        return;
    }
    // Animated frames are composed on a transparent screen; what they leave undrawn is white.
    painter.fillRect(target, Qt::white);
    painter.drawImage(target, m_animator.screen());
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace pixmaro
