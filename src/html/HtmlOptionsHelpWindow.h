// The help window of the HTML options: how each of the four link modes forms its addresses.
#pragma once

#include <QDialog>

namespace pixmaro {

/// The help text, one line per paragraph.
extern const char *const kHtmlOptionsHelpText;

class HtmlOptionsHelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HtmlOptionsHelpWindow(QWidget *parent = nullptr);
};

} // namespace pixmaro
