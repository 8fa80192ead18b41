// pixmaro-batch: the command-line front end of Pixmaro.
#include "batch/BatchApp.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's own notes (such as a missing runtime folder on a server) are not the user's business;
// everything pixmaro-batch has to say goes through its own output.
void QuietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(QuietQt);
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
