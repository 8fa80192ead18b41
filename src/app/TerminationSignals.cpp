// Termination signals (SIGTERM, SIGHUP, SIGINT) close the main window like its close box, so a
// logout or a kill still ends a run after its file in hand and writes the settings file.
#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace pixmaro {

namespace {

int g_signalPipe[2] = { -1, -1 };

// A signal handler may only do async-signal-safe work: it writes one byte that the GUI thread
// reads from its event loop.
void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

void CloseOnTerminationSignals(QWidget &window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[1], &byte, 1);
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : { SIGTERM, SIGHUP, SIGINT })
        sigaction(signal, &action, nullptr);
}

} // namespace pixmaro
