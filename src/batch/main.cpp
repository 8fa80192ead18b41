// pixmaro-batch: the command-line front end of Pixmaro.
#include "batch/BatchApp.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char **argv)
{
    // Metafile text needs the fonts of a GUI application; without a display it runs off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = pixmaro::RunBatch(args, QDir::currentPath(), out, err);
    out.flush();
    err.flush();
    return status;
}
