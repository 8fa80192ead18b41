// Start-up: the splash window, then the program's windows in their creation order.
#include "app/StartUp.h"

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "job/DupeWarnDialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace pixmaro {

Program::Program(Shell &shell, const QString &settingsPath, std::chrono::milliseconds splashTime)
{
    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    QCoreApplication::processEvents();

    // The splash stays on screen for its time; input is held back until the windows exist.
    QEventLoop wait;
    QTimer::singleShot(splashTime, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    splash->repaint();

    // A message raised while the main window reads its settings is shown over the splash.
    m_messages.setParentWidget(splash.get());
    m_form1 = std::make_unique<MainWindow>(m_messages, shell, settingsPath);
    m_messages.setParentWidget(m_form1.get());
    m_form3 = new DupeWarnDialog(m_form1.get());
    m_messages.setDuplicateNamesDialog(m_form3);

    splash->hide();
}

Program::~Program() = default;

} // namespace pixmaro
