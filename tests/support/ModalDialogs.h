// Window tests: answering modal dialogs from a timer once their exec() runs, and bounded waits.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace pixmaro::test {

/// Calls `act` with the next modal dialog of type `T` (found by objectName when `name` is given)
/// as soon as it is the active modal widget. Gives up after five seconds: the test fails and the
/// dialog that is open, if any, is rejected so the test cannot hang.
template <class T = QDialog>
void WithNextModal(std::function<void(T *)> act, const char *name = nullptr)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, name] {
        QWidget *modal = QApplication::activeModalWidget();
        T *dialog = qobject_cast<T *>(modal);
        if (dialog && (!name || dialog->objectName() == QLatin1String(name))) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
            return;
        }
        if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog " << (name ? name : "") << " opened";
            if (auto *open = qobject_cast<QDialog *>(modal))
                open->reject();
        }
    });
    timer->start();
}

/// Lets events through until `condition` holds, for at most `ms` milliseconds; returns whether it
/// held.
template <class Condition> bool WaitFor(Condition condition, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace pixmaro::test
