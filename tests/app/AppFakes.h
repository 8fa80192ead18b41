// Recording fakes of the message boxes and the shell for the main window's tests.
#pragma once

#include "shell/Messages.h"
#include "shell/Shell.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace pixmaro::test {

/// Records every box and answers from a script; with the script empty, a box is answered with
/// its first button (OK or Yes) and the duplicate-names warning with "OK".
class RecordingMessages : public Messages {
public:
    struct Box {
        MessageIcon icon;
        QString text;
        MessageButtons buttons;
    };
    std::vector<Box> boxes;
    QStringList duplicateLabels;
    std::deque<MessageAnswer> answers;
    std::deque<bool> duplicateAnswers;
    std::function<void(const QString &)> onBox; // runs while a box is "open"

    MessageAnswer ask(MessageIcon icon, const QString &text, MessageButtons buttons) override
    {
        boxes.push_back({ icon, text, buttons });
        if (onBox)
            onBox(text);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
            ? MessageAnswer::Ok
            : MessageAnswer::Yes;
    }
    bool confirmDuplicateNames(const QString &label) override
    {
        duplicateLabels << label;
        if (duplicateAnswers.empty())
            return true;
        const bool answer = duplicateAnswers.front();
        duplicateAnswers.pop_front();
        return answer;
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Box &box : boxes)
            all << box.text;
        return all;
    }
};

/// Records the shell calls as readable lines.
class RecordingShell : public Shell {
public:
    QStringList calls;

    bool openWithAssociatedProgram(const QString &path) override
    {
        calls << QStringLiteral("open ") + path;
        return true;
    }
    void startProgram(Program program, const QString &parameter) override
    {
        calls << QStringLiteral("start %1 %2").arg(int(program)).arg(parameter).trimmed();
    }
    void exploreFolder(const QString &folder) override
    {
        calls << QStringLiteral("explore ") + folder;
    }
    QStringList moveToTrash(const QStringList &) override { return {}; }
    void showHelpContents() override { calls << QStringLiteral("help"); }
};

} // namespace pixmaro::test
