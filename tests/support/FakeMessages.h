// Scripted message boxes: records every box shown and answers from a script.
#pragma once

#include "shell/Messages.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace pixmaro::test {

class FakeMessages : public Messages {
public:
    struct Shown {
        MessageIcon icon;
        QString text;
        MessageButtons buttons;
    };

    std::vector<Shown> shown; // every box, in order
    QStringList texts; // the texts of every box; the duplicate-names warning as "TForm3: <label>"
    std::deque<MessageAnswer> answers; // answers to boxes with more than an OK button, in order
    std::deque<bool> duplicateAnswers; // answers to the duplicate-names warning ("OK" is true)

    /// Answers from the script; with the script used up, as Escape would (Cancel, else No).
    MessageAnswer ask(MessageIcon icon, const QString &text, MessageButtons buttons) override
    {
        shown.push_back({ icon, text, buttons });
        texts << text;
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool confirmDuplicateNames(const QString &label) override
    {
        texts << QStringLiteral("TForm3: ") + label;
        if (duplicateAnswers.empty())
            return false;
        const bool answer = duplicateAnswers.front();
        duplicateAnswers.pop_front();
        return answer;
    }
};

} // namespace pixmaro::test
