// The splash window (TfSplasher): Pixmaro's picture shown while the windows are created.
#include "app/SplashWindow.h"

#include "app/PixmaroArt.h"

#include <QPainter>
#include <QScreen>

namespace pixmaro {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(SplashPicture())
{
    setObjectName(QStringLiteral("TfSplasher"));
    setWindowTitle(QStringLiteral("Pixmaro"));
    setFixedSize(m_picture.size());
    setAccessibleName(QStringLiteral("Pixmaro"));
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

} // namespace pixmaro
