// The run host of pixmaro-batch: messages on stderr, a progress bar on a terminal, Ctrl-C as
// "Cancel", and the outcome line on stdout.
#include "batch/ConsoleHost.h"

#include <atomic>
#include <csignal>

namespace pixmaro {

namespace {

std::atomic<bool> g_interrupted { false };

// The first Ctrl-C asks the run to stop after the file in hand; a second one ends the program.
extern "C" void OnInterrupt(int)
{
    g_interrupted = true;
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

ConsoleHost::ConsoleHost(
    BatchRunner &runner, JobSettings job, QTextStream &out, QTextStream &err, bool progress)
    : m_runner(runner)
    , m_job(std::move(job))
    , m_out(out)
    , m_err(err)
    , m_progress(progress)
{
    g_interrupted = false;
    std::signal(SIGINT, OnInterrupt);
}

ConsoleHost::~ConsoleHost()
{
    std::signal(SIGINT, SIG_DFL);
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
    if (g_interrupted.exchange(false))
        m_runner.bCancelOpClick();
}

void ConsoleHost::showMessage(const QString &text)
{
    clearBar();
    QString line = text;
    line.replace(u'\r', u'\n');
    m_err << line << '\n';
    m_err.flush();
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
