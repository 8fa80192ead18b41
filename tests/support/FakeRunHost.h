// A scripted run host: records what a run shows, and presses "Cancel" when told.
#pragma once

#include "job/BatchRunner.h"
#include "job/RunHost.h"

#include <QStringList>

#include <functional>

namespace pixmaro::test {

class FakeRunHost : public RunHost {
public:
    FakeRunHost(BatchRunner &runner, JobSettings settings)
        : job(std::move(settings))
        , m_runner(runner)
    {
    }

    JobSettings job;
    QStringList messages;
    QStringList counters;
    QString outcome;
    int pumps = 0;
    int refreshes = 0;
    int cancelAtPump = -1; // presses "Cancel" during this pump (1 is the runner's own)
    std::function<void(int pump)> onPump; // changes the settings between files, for example

    JobSettings jobSettings() override { return job; }
    void runStarting() override { }
    void setProcessingText(const QString &text) override { counters << text; }
    void setProgress(int, int) override { }
    void pumpEvents() override
    {
        ++pumps;
        if (pumps == cancelAtPump)
            m_runner.bCancelOpClick();
        if (onPump)
            onPump(pumps);
    }
    void showMessage(const QString &text) override { messages << text; }
    void refreshFileLists() override { ++refreshes; }
    void runFinished(const QString &line) override { outcome = line; }

private:
    BatchRunner &m_runner;
};

} // namespace pixmaro::test
