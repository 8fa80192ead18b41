// The message boxes of pixmaro-batch: texts on stderr, questions answered by the command line.
#include "batch/ConsoleMessages.h"

#include "job/PreRunChecks.h"

namespace pixmaro {

QString ForTerminal(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            shown += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n' || c == u'\t') {
            shown += QChar(c);
        } else if (c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0)) {
            shown
                += QStringLiteral("\\x") + QString::number(c, 16).toUpper().rightJustified(2, u'0');
        } else {
            shown += QChar(c);
        }
    }
    return shown;
}

MessageAnswer ConsoleMessages::ask(MessageIcon, const QString &text, MessageButtons buttons)
{
    if (beforeMessage)
        beforeMessage();
    m_err << ForTerminal(text) << '\n';
    MessageAnswer answer = MessageAnswer::Ok;
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::YesNo:
        answer = answerYes ? MessageAnswer::Yes : MessageAnswer::No;
        break;
    case MessageButtons::YesCancel:
    case MessageButtons::YesNoCancel:
        answer = answerYes ? MessageAnswer::Yes : MessageAnswer::Cancel;
        break;
    case MessageButtons::OkCancel:
        answer = answerYes ? MessageAnswer::Ok : MessageAnswer::Cancel;
        break;
    }
    if (buttons != MessageButtons::Ok) {
        const bool yes = answer == MessageAnswer::Yes || answer == MessageAnswer::Ok;
        m_err << (yes ? "Answered Yes\n" : "Answered No\n");
    }
    m_err.flush();
    return answer;
}

bool ConsoleMessages::confirmDuplicateNames(const QString &label)
{
    if (beforeMessage)
        beforeMessage();
    m_err << kDuplicateNamesHeading << ' ' << ForTerminal(label) << '\n';
    for (const char *line : kDuplicateNamesText)
        m_err << line << '\n';
    m_err.flush();
    return true;
}

} // namespace pixmaro
