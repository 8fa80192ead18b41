// The shell services on a freedesktop.org desktop: Qt's desktop services for opening files,
// folders and addresses, detached processes for named programs, the freedesktop trash.
#pragma once

#include "shell/Shell.h"

#include <QUrl>

#include <functional>

namespace pixmaro {

/// How the desktop shell hands work to the system. The defaults open through
/// QDesktopServices::openUrl and start with QProcess::startDetached; tests record instead.
/// Each returns whether the system accepted the request; neither waits for the program.
struct DesktopLaunch {
    std::function<bool(const QUrl &)> openUrl;
    std::function<bool(const QString &program, const QStringList &arguments)> startDetached;
    /// Whether a program name or path can be started (QStandardPaths::findExecutable).
    std::function<bool(const QString &)> programExists;
};

class DesktopShell : public Shell {
public:
    /// Empty members of `launch` take the system's behaviour.
    explicit DesktopShell(DesktopLaunch launch = {});

    /// A web address ("https://...", "mailto:...") is handed to the desktop as it is. A path (or
    /// "file:" address) opens only when the desktop associates a program with its type (or an
    /// ancestor type); false when the file does not exist, nothing is associated with it, or the
    /// desktop refuses the request.
    bool openWithAssociatedProgram(const QString &pathOrAddress) override;
    /// The text editor or word processor of ChooseProgramCommand with `parameter` as its file
    /// (made absolute, so it is never taken for an option); the file manager opens `parameter`,
    /// or the home folder when it is empty. Nothing happens when no program is available.
    void startProgram(Program program, const QString &parameter = {}) override;
    void exploreFolder(const QString &folder) override;
    /// QFile::moveToTrash for each path, into the freedesktop.org trash (Trash/files with its
    /// Trash/info/<name>.trashinfo). A file that cannot be moved is reported and left in place.
    QStringList moveToTrash(const QStringList &paths) override;
    /// Opens the help page FindHelpFile finds in the browser; nothing when it is missing.
    void showHelpContents() override;

private:
    DesktopLaunch m_launch;
};

/// Whether `text` is a web address rather than a path: a scheme of two or more letters other
/// than "file" (so "C:\Pics" and "/home/ann" are paths).
bool IsWebAddress(const QString &text);

} // namespace pixmaro
