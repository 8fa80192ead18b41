// The run host of pixmaro-batch: messages on stderr, a progress bar on a terminal, Ctrl-C as
// "Cancel", and the outcome line on stdout.
#include "batch/ConsoleHost.h"

#include <atomic>
#include <csignal>

namespace pixmaro {

namespace {

std::atomic<bool> g_interrupted { false };

// The first Ctrl-C (or SIGTERM, SIGHUP) asks the run to stop after the file in hand; a second
// one ends the program.
extern "C" void OnInterrupt(int signal)
{
    g_interrupted = true;
    std::signal(signal, SIG_DFL);
}

constexpr int kStopSignals[] = { SIGINT, SIGTERM, SIGHUP };

} // namespace

ConsoleHost::ConsoleHost(
    JobSettings job, ConsoleMessages &messages, QTextStream &out, QTextStream &err, bool progress)
    : m_job(std::move(job))
    , m_messages(messages)
    , m_out(out)
    , m_err(err)
    , m_progress(progress)
{
    g_interrupted = false;
    for (int signal : kStopSignals)
        std::signal(signal, OnInterrupt);
    m_messages.beforeMessage = [this] { clearBar(); };
}

ConsoleHost::~ConsoleHost()
{
    m_messages.beforeMessage = nullptr;
    for (int signal : kStopSignals)
        std::signal(signal, SIG_DFL);
}

void ConsoleHost::setProcessingText(const QString &text)
{
    m_counter = text;
    drawBar();
}

void ConsoleHost::setProgress(int position, int maximum)
{
    m_position = position;
    m_maximum = maximum;
    drawBar();
}

void ConsoleHost::pumpEvents()
{
    if (g_interrupted && m_state)
        m_state->CancelRequested = true;
}

const std::atomic<bool> *ConsoleHost::stopFlag()
{
    return &g_interrupted;
}

void ConsoleHost::runFinished(const QString &outcome)
{
    clearBar();
    m_out << outcome << '\n';
    m_out.flush();
}

void ConsoleHost::drawBar()
{
    if (!m_progress || m_maximum <= 0)
        return;
    constexpr int kWidth = 30;
    const int filled = int(qint64(kWidth) * m_position / m_maximum);
    m_err << "\rProcessing File: " << m_counter << " [" << QString(filled, u'#')
          << QString(kWidth - filled, u' ') << "] " << (100 * qint64(m_position) / m_maximum)
          << "%";
    m_err.flush();
    m_barShown = true;
}

void ConsoleHost::clearBar()
{
    if (!m_barShown)
        return;
    m_err << "\r\x1b[K";
    m_err.flush();
    m_barShown = false;
}

} // namespace pixmaro
