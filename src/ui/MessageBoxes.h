// Message boxes on screen: the system's boxes shown with QMessageBox, their texts as plain text.
#pragma once

#include "shell/Messages.h"

class QWidget;

namespace pixmaro {

/// The text as a message box shows it: carriage returns (alone or before a line feed) become line
/// breaks, so "\r\rContinue?" shows an empty line before the question.
QString MessageBoxText(QString text);

/// Shows a modal box over `parent` with `icon`, `text` (never read as markup) and `buttons`, and
/// returns the button pressed; Escape and the close box answer as Messages::ask says.
MessageAnswer ShowMessageBox(
    QWidget *parent, MessageIcon icon, const QString &text, MessageButtons buttons);

} // namespace pixmaro
