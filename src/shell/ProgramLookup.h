// Which program stands in for a named one on this desktop, and where the help page is.
#pragma once

#include "shell/Shell.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace pixmaro {

/// A program to start and its arguments, passed as a list: never through a shell.
struct ProgramCommand {
    QString program;
    QStringList arguments;

    friend bool operator==(const ProgramCommand &, const ProgramCommand &) = default;
};

/// The desktop text editors tried, in order, when $VISUAL names none that exists.
inline constexpr const char *kTextEditors[]
    = { "gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma" };

/// The command that starts `program` with `parameter` (a file path; none when empty).
///
/// The text editor is the first that exists of $VISUAL (`visual`, split into words as a command
/// line is, without a shell), the desktop text editors of kTextEditors, and "xdg-open" (only given
/// a file, which it opens with the program associated with it). The word processor is
/// "libreoffice --writer", else "abiword", else the text editor. `exists` says whether a program
/// name (or path) can be started. Nothing when no candidate exists. The file manager is not
/// started by name (see DesktopShell::startProgram) and gives nothing here.
std::optional<ProgramCommand> ChooseProgramCommand(Shell::Program program, const QString &parameter,
    const QString &visual, const std::function<bool(const QString &)> &exists);

inline constexpr const char *kHelpFileName = "Pixmaro.html";

/// The help page: kHelpFileName beside the executable in `executableDir`, else in the installed
/// data folder ("../share/pixmaro" from the executable, then "pixmaro" in each of `dataDirs`).
/// Nothing when none of them holds it.
std::optional<QString> FindHelpFile(const QString &executableDir, const QStringList &dataDirs);

} // namespace pixmaro
