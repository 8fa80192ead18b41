// The run host of pixmaro-batch: messages on stderr, a progress bar on a terminal, Ctrl-C as
// "Cancel", and the outcome line on stdout.
#pragma once

#include "batch/ConsoleMessages.h"
#include "job/RunHost.h"

#include <QTextStream>

namespace pixmaro {

class ConsoleHost : public RunHost {
public:
    ConsoleHost(JobSettings job, ConsoleMessages &messages, QTextStream &out, QTextStream &err,
        bool progress);
    ~ConsoleHost() override;

    JobSettings jobSettings() override { return m_job; }
    void runStarting(RunState &state) override { m_state = &state; }
    void setProcessingText(const QString &text) override;
    void setProgress(int position, int maximum) override;
    void pumpEvents() override;
    const std::atomic<bool> *stopFlag() override;
    Messages &messages() override { return m_messages; }
    void refreshFileLists() override { }
    void runFinished(const QString &outcome) override;

private:
    void drawBar();
    void clearBar();

    JobSettings m_job;
    ConsoleMessages &m_messages;
    RunState *m_state = nullptr;
    QTextStream &m_out;
    QTextStream &m_err;
    bool m_progress;
    QString m_counter;
    int m_position = 0;
    int m_maximum = 0;
    bool m_barShown = false;
};

} // namespace pixmaro
