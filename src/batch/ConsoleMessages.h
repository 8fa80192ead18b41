// The message boxes of pixmaro-batch: texts on stderr, questions answered by the command line.
#pragma once

#include "shell/Messages.h"

#include <QTextStream>

#include <functional>

namespace pixmaro {

/// A message box's text for a terminal: carriage returns become line breaks, and every other
/// control character (a name may hold escape sequences) is shown as \xNN, never sent raw.
QString ForTerminal(const QString &text);

class ConsoleMessages : public Messages {
public:
    explicit ConsoleMessages(QTextStream &err)
        : m_err(err)
    {
    }

    /// The answer to every question: Yes, or the safe answer (No, or Cancel where there is one).
    bool answerYes = false;
    /// Called before a message is printed (a progress bar clears its line).
    std::function<void()> beforeMessage;

    MessageAnswer ask(MessageIcon icon, const QString &text, MessageButtons buttons) override;
    /// Prints the warning and goes on, as "OK" does.
    bool confirmDuplicateNames(const QString &label) override;

private:
    QTextStream &m_err;
};

} // namespace pixmaro
