// Help box: a read-only text box with a vertical scroll bar, showing one help text at a time.
#pragma once

#include <QPlainTextEdit>

namespace pixmaro {

class HelpBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HelpBox(QWidget *parent = nullptr);

    /// Clears the box, adds `text` (lines separated by CR LF) and scrolls back to its first line.
    void showText(const QString &text);
};

} // namespace pixmaro
