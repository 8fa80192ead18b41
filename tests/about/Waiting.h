// Bounded waiting in window tests: lets events through until a condition holds or time runs out.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace pixmaro::test {

/// Processes events until `done` returns true or `msec` have passed; returns whether it held.
inline bool WaitUntil(const std::function<bool()> &done, int msec = 5000)
{
    QElapsedTimer clock;
    clock.start();
    QTimer tick; // wakes the event loop even when nothing else happens
    tick.start(2);
    while (!done()) {
        if (clock.elapsed() > msec)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

/// Lets events through for `msec` milliseconds.
inline void LetEventsRun(int msec)
{
    QElapsedTimer clock;
    clock.start();
    WaitUntil([&] { return clock.elapsed() >= msec; }, msec + 1000);
}

} // namespace pixmaro::test
