// The message boxes of the system: a fixed text with an icon and a set of buttons, answered by the
// button pressed. Core flows ask the user only through this interface.
#pragma once

#include <QString>

namespace pixmaro {

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, YesCancel, OkCancel, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Messages {
public:
    virtual ~Messages() = default;

    /// Shows `text` in a modal box with `icon` and `buttons` and returns the button pressed.
    /// Closing the box without a button answers as Escape does: Cancel where there is one,
    /// otherwise No, otherwise OK.
    virtual MessageAnswer ask(MessageIcon icon, const QString &text, MessageButtons buttons) = 0;

    /// The duplicate-names warning, its label naming the two files; true when the user goes on
    /// ("OK"), false for "Cancel", Escape or closing it.
    virtual bool confirmDuplicateNames(const QString &label) = 0;

    /// An information box with an OK button.
    void inform(const QString &text) { ask(MessageIcon::Information, text, MessageButtons::Ok); }
    /// An error box with an OK button.
    void error(const QString &text) { ask(MessageIcon::Error, text, MessageButtons::Ok); }
};

} // namespace pixmaro
