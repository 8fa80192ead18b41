// A hyperlink label: shows a web address and opens it in the browser when clicked.
#include "about/UrlLabel.h"

#include "shell/Shell.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pixmaro {

UrlLabel::UrlLabel(const QString &address, Shell &shell, QWidget *parent)
    : QLabel(address, parent)
    , m_address(address)
    , m_shell(shell)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(address);
    setToolTip(address);
    setHighlighted(false);
}

void UrlLabel::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, highlighted ? Qt::blue : Qt::black);
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(highlighted);
    setFont(underlined);
}

void UrlLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    setHighlighted(true);
}

void UrlLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    setHighlighted(false);
}

void UrlLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    m_shell.openWithAssociatedProgram(m_address);
}

void UrlLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space) {
        m_shell.openWithAssociatedProgram(m_address);
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace pixmaro
