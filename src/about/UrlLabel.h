// A hyperlink label: shows a web address and opens it in the browser when clicked.
#pragma once

#include <QLabel>

namespace pixmaro {

class Shell;

/// Black text that turns blue and underlined under the mouse, with a hand cursor. A mouse press (or
/// Return or Space while it has the focus) asks the shell to open the address.
class UrlLabel : public QLabel {
    Q_OBJECT

public:
    UrlLabel(const QString &address, Shell &shell, QWidget *parent = nullptr);

    QString address() const { return m_address; }
    /// Whether it shows its hover look (blue, underlined).
    bool isHighlighted() const { return m_highlighted; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setHighlighted(bool highlighted);

    QString m_address;
    Shell &m_shell;
    bool m_highlighted = false;
};

} // namespace pixmaro
