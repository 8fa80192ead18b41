// pixmaro-batch: the command-line front end of Pixmaro.
#include "batch/BatchApp.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <malloc.h>

namespace {

// Qt's own notes (such as a missing runtime folder on a server) are not the user's business;
// everything pixmaro-batch has to say goes through its own output.
void QuietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A thumbnail run decodes one picture after another, and libjpeg allocates (and clears) its
// buffers afresh for each: freed memory then stays with the process for the next picture instead
// of going back to the system and being faulted in again page by page. Not for conversions: their
// steps free large blocks that the next step's differently sized ones cannot reuse, so keeping
// them would only raise the peak. The process ends with its run.
void KeepFreedMemoryForTheNextPicture()
{
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
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
    const int status
        = pixmaro::RunBatch(args, QDir::currentPath(), out, err, KeepFreedMemoryForTheNextPicture);
    out.flush();
    err.flush();
    return status;
}
