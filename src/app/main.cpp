// Pixmaro: the splash window, then the wizard until its window is closed.
#include "app/MainWindow.h"
#include "app/PixmaroArt.h"
#include "app/StartUp.h"
#include "app/TerminationSignals.h"
#include "settings/SettingsLocation.h"
#include "shell/DesktopShell.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixmaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pixmaro"));
    QApplication::setApplicationVersion(QStringLiteral(PIXMARO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pixmaro"));
    QApplication::setWindowIcon(QIcon(pixmaro::IconPicture(64)));
    // The program ends when its main window closes, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);

    pixmaro::DesktopShell shell;
    pixmaro::Program program(
        shell, pixmaro::SettingsFilePath(QCoreApplication::applicationDirPath()));
    pixmaro::MainWindow &window = program.mainWindow();
    QObject::connect(
        &window, &pixmaro::MainWindow::closed, &app, [] { QCoreApplication::exit(0); });
    pixmaro::CloseOnTerminationSignals(window);
    window.show();
    return QApplication::exec();
}
