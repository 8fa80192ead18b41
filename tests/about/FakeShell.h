// A shell that records what the windows ask of it and starts nothing.
#pragma once

#include "shell/Shell.h"

#include <QStringList>

namespace pixmaro::test {

class RecordingShell : public Shell {
public:
    QStringList opened;
    int other = 0;

    bool openWithAssociatedProgram(const QString &pathOrAddress) override
    {
        opened.append(pathOrAddress);
        return true;
    }
    void startProgram(Program, const QString &) override { ++other; }
    void exploreFolder(const QString &) override { ++other; }
    QStringList moveToTrash(const QStringList &) override
    {
        ++other;
        return {};
    }
    void showHelpContents() override { ++other; }
};

} // namespace pixmaro::test
