// A recording shell: every request is kept with its arguments, and the results are scripted.
#pragma once

#include "shell/Shell.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

namespace pixmaro::test {

class FakeShell : public Shell {
public:
    /// One request: "open", "start", "explore", "trash" or "help", with its arguments (for
    /// "start": the program's name as in programName(), then the parameter when one was given).
    struct Call {
        QString operation;
        QStringList arguments;

        friend bool operator==(const Call &, const Call &) = default;
        friend void PrintTo(const Call &call, std::ostream *os)
        {
            *os << call.operation.toStdString() << '(' << call.arguments.join(", ").toStdString()
                << ')';
        }
    };

    std::vector<Call> calls;

    /// What openWithAssociatedProgram answers; paths in `unopenable` always answer false.
    bool openResult = true;
    QStringList unopenable;
    /// Paths whose move to the trash fails: they stay where they are.
    QStringList untrashable;
    /// Whether a successful move to the trash removes the file from its folder, as the real trash
    /// does (the file lists re-read afterwards then show what is left). Test files only.
    bool trashRemovesFiles = true;

    static QString programName(Program program)
    {
        switch (program) {
        case Program::TextEditor:
            return QStringLiteral("TextEditor");
        case Program::WordProcessor:
            return QStringLiteral("WordProcessor");
        case Program::FileManager:
            return QStringLiteral("FileManager");
        }
        return QString();
    }

    bool openWithAssociatedProgram(const QString &pathOrAddress) override
    {
        calls.push_back({ QStringLiteral("open"), { pathOrAddress } });
        return openResult && !unopenable.contains(pathOrAddress);
    }
    void startProgram(Program program, const QString &parameter = {}) override
    {
        QStringList arguments { programName(program) };
        if (!parameter.isEmpty())
            arguments << parameter;
        calls.push_back({ QStringLiteral("start"), arguments });
    }
    void exploreFolder(const QString &folder) override
    {
        calls.push_back({ QStringLiteral("explore"), { folder } });
    }
    QStringList moveToTrash(const QStringList &paths) override
    {
        calls.push_back({ QStringLiteral("trash"), paths });
        QStringList failed;
        for (const QString &path : paths) {
            if (untrashable.contains(path))
                failed << path;
            else if (trashRemovesFiles)
                QFile::remove(path);
        }
        return failed;
    }
    void showHelpContents() override { calls.push_back({ QStringLiteral("help"), {} }); }

    /// The requests of one kind, in order.
    std::vector<Call> callsOf(const QString &operation) const
    {
        std::vector<Call> found;
        for (const Call &call : calls) {
            if (call.operation == operation)
                found.push_back(call);
        }
        return found;
    }
};

} // namespace pixmaro::test
