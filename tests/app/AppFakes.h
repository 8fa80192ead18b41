// A recording fake of the shell for the main window's tests.
#pragma once

#include "shell/Shell.h"

#include <QStringList>

namespace pixmaro::test {

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
