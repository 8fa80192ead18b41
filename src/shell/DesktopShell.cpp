// The shell services on a freedesktop.org desktop: Qt's desktop services for opening files,
// folders and addresses, detached processes for named programs, the freedesktop trash.
#include "shell/DesktopShell.h"

#include "shell/MimeAssociations.h"
#include "shell/ProgramLookup.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

// Desktops that follow freedesktop.org: associations from mimeapps.list and desktop entries,
// the trash in $XDG_DATA_HOME/Trash.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#define PIXMARO_FREEDESKTOP 1
#endif

namespace pixmaro {

DesktopShell::DesktopShell(DesktopLaunch launch)
    : m_launch(std::move(launch))
{
    if (!m_launch.openUrl)
        m_launch.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    if (!m_launch.startDetached) {
        m_launch.startDetached = [](const QString &program, const QStringList &arguments) {
            return QProcess::startDetached(program, arguments);
        };
    }
    if (!m_launch.programExists) {
        m_launch.programExists = [](const QString &program) {
            return !QStandardPaths::findExecutable(program).isEmpty();
        };
    }
}

bool IsWebAddress(const QString &text)
{
    const QUrl url(text);
    return url.isValid() && url.scheme().size() >= 2 && !url.isLocalFile()
        && !QDir::isAbsolutePath(text);
}

bool DesktopShell::openWithAssociatedProgram(const QString &pathOrAddress)
{
    if (IsWebAddress(pathOrAddress))
        return m_launch.openUrl(QUrl(pathOrAddress));

    const QUrl given(pathOrAddress);
    const QFileInfo file(given.isLocalFile() ? given.toLocalFile() : pathOrAddress);
    if (!file.exists())
        return false;
#ifdef PIXMARO_FREEDESKTOP
    // The desktop's opener starts even for a type nothing handles and then fails on its own,
    // so whether anything can open the file is decided here from the desktop's associations.
    // Without a MIME database the type is unknown and the decision is left to the desktop.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    if (type.isValid()) {
        QStringList types { type.name() };
        types << type.aliases() << type.allAncestors();
        const MimeAssociations associations(XdgDirs::FromEnvironment(), m_launch.programExists);
        if (!associations.canOpen(types))
            return false;
    }
#endif
    return m_launch.openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void DesktopShell::startProgram(Program program, const QString &parameter)
{
    const QString file = parameter.isEmpty() ? QString() : QFileInfo(parameter).absoluteFilePath();
    if (program == Program::FileManager) {
        exploreFolder(file.isEmpty() ? QDir::homePath() : file);
        return;
    }
    const auto command = ChooseProgramCommand(
        program, file, QString::fromLocal8Bit(qgetenv("VISUAL")), m_launch.programExists);
    if (command)
        m_launch.startDetached(command->program, command->arguments);
}

void DesktopShell::exploreFolder(const QString &folder)
{
    m_launch.openUrl(QUrl::fromLocalFile(QFileInfo(folder).absoluteFilePath()));
}

namespace {

#ifdef PIXMARO_FREEDESKTOP
// QFile::moveToTrash ends with the home trash, $XDG_DATA_HOME/Trash, which it creates without
// its parent folders; where it cannot, it goes on with an empty trash path, which is the current
// folder. Making sure the home trash exists first keeps every file either in a real trash or
// where it was.
bool HomeTrashReady()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return false;
    const QString trash = data + QStringLiteral("/Trash");
    if (!QFileInfo(trash).isDir())
        QDir().mkdir(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo ready(trash);
    return ready.isDir() && ready.isWritable();
}
#endif

} // namespace

QStringList DesktopShell::moveToTrash(const QStringList &paths)
{
#ifdef PIXMARO_FREEDESKTOP
    if (!HomeTrashReady())
        return paths;
#endif
    QStringList failed;
    for (const QString &path : paths) {
        // moveToTrash renames the file into the trash or fails; it never deletes it instead.
        if (!QFile::moveToTrash(path))
            failed << path;
    }
    return failed;
}

void DesktopShell::showHelpContents()
{
    const auto help = FindHelpFile(QCoreApplication::applicationDirPath(),
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    if (help)
        m_launch.openUrl(QUrl::fromLocalFile(*help));
}

} // namespace pixmaro
