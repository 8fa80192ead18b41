// A scripted run host: records what a run shows, and presses "Cancel" when told.
#pragma once

#include "job/RunHost.h"
#include "support/FakeMessages.h"

#include <QStringList>

#include <functional>

namespace pixmaro::test {

class FakeRunHost : public RunHost {
public:
    explicit FakeRunHost(JobSettings settings)
        : job(std::move(settings))
    {
    }

    JobSettings job;
    FakeMessages boxes;
    QStringList counters;
    QString outcome;
    int pumps = 0;
    int refreshes = 0;
    int cancelAtPump = -1; // presses "Cancel" during this pump (1 is the runner's own)
    std::function<void(int pump)> onPump; // changes the settings between files, for example

    JobSettings jobSettings() override { return job; }
    void runStarting(RunState &state) override { m_state = &state; }
    void setProcessingText(const QString &text) override { counters << text; }
    void setProgress(int, int) override { }
    void pumpEvents() override
    {
        ++pumps;
        if (pumps == cancelAtPump)
            m_state->CancelRequested = true;
        if (onPump)
            onPump(pumps);
    }
    Messages &messages() override { return boxes; }
    void refreshFileLists() override { ++refreshes; }
    void runFinished(const QString &line) override { outcome = line; }

private:
    RunState *m_state = nullptr;
};

} // namespace pixmaro::test
