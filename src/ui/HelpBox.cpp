// Help box: a read-only text box with a vertical scroll bar, showing one help text at a time.
#include "ui/HelpBox.h"

#include <QScrollBar>

namespace pixmaro {

HelpBox::HelpBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void HelpBox::showText(const QString &text)
{
    clear();
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    appendPlainText(lines);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

} // namespace pixmaro
