// The full-size preview window: the previewed picture at its own size, closed by a click on it.
#include "imaging/PreviewWindow.h"

#include "ui/PictureView.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace pixmaro {

PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_scroll(new QScrollArea(this))
    , Image1(new PictureView(PictureView::Fit::Natural))
{
    setObjectName(QStringLiteral("TForm2"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Full-size picture"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(Image1);
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A small picture makes a small window: nothing but the picture sets its size.
    m_scroll->setMinimumSize(1, 1);
    setMinimumSize(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    move(25, 25);
    connect(Image1, &PictureView::clicked, this, &QWidget::close);
}

void PreviewWindow::setCaption(const QString &path)
{
    setWindowTitle(path);
}

void PreviewWindow::showPicture(SharedPicture picture, const QString &hint)
{
    Image1->clearPicture();
    Image1->setPicture(std::move(picture));
    Image1->setHint(hint);
    fitToPicture();
    show();
    raise();
    activateWindow();
}

void PreviewWindow::fitToPicture()
{
    QSize wanted = Image1->size();
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(wanted);
        return;
    }
    // The window's frame (title bar and borders) also needs room on the screen.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(16, 40);
    const QSize room = screen->availableGeometry().size() - frame;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // A scroll bar along one side takes room from the other.
    const bool wide = wanted.width() > room.width();
    const bool tall = wanted.height() > room.height();
    if (wide)
        wanted.rheight() += bar;
    if (tall)
        wanted.rwidth() += bar;
    resize(wanted.boundedTo(room));
}

} // namespace pixmaro
