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
    const QUrl url(text, QUrl::StrictMode);
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
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's opener starts even for a type nothing handles and then fails on its own,
    // so whether anything can open the file is decided here from the desktop's associations.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    QStringList types { type.name() };
    types << type.aliases() << type.allAncestors();
    const MimeAssociations associations(XdgDirs::FromEnvironment(), m_launch.programExists);
    if (!associations.canOpen(types))
        return false;
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

QStringList DesktopShell::moveToTrash(const QStringList &paths)
{
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
