// Which program stands in for a named one on this desktop, and where the help page is.
#include "shell/ProgramLookup.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace pixmaro {

namespace {

QStringList WithParameter(QStringList arguments, const QString &parameter)
{
    if (!parameter.isEmpty())
        arguments << parameter;
    return arguments;
}

std::optional<ProgramCommand> TextEditorCommand(const QString &parameter, const QString &visual,
    const std::function<bool(const QString &)> &exists)
{
    // $VISUAL is a command line ("code --wait"): its words become the program and its first
    // arguments, and the file is appended as one more argument, never pasted into a shell line.
    const QStringList words = QProcess::splitCommand(visual);
    if (!words.isEmpty() && exists(words.first()))
        return ProgramCommand { words.first(), WithParameter(words.mid(1), parameter) };
    for (const char *editor : kTextEditors) {
        if (exists(QLatin1String(editor)))
            return ProgramCommand { QLatin1String(editor), WithParameter({}, parameter) };
    }
    // Without a file there is nothing for the associated program to open.
    if (!parameter.isEmpty() && exists(QStringLiteral("xdg-open")))
        return ProgramCommand { QStringLiteral("xdg-open"), { parameter } };
    return std::nullopt;
}

} // namespace

std::optional<ProgramCommand> ChooseProgramCommand(Shell::Program program, const QString &parameter,
    const QString &visual, const std::function<bool(const QString &)> &exists)
{
    switch (program) {
    case Shell::Program::TextEditor:
        return TextEditorCommand(parameter, visual, exists);
    case Shell::Program::WordProcessor:
        if (exists(QStringLiteral("libreoffice")))
            return ProgramCommand { QStringLiteral("libreoffice"),
                WithParameter({ QStringLiteral("--writer") }, parameter) };
        if (exists(QStringLiteral("abiword")))
            return ProgramCommand { QStringLiteral("abiword"), WithParameter({}, parameter) };
        return TextEditorCommand(parameter, visual, exists);
    case Shell::Program::FileManager:
        break;
    }
    return std::nullopt;
}

std::optional<QString> FindHelpFile(const QString &executableDir, const QStringList &dataDirs)
{
    QStringList candidates { QDir(executableDir).filePath(kHelpFileName),
        QDir(executableDir).filePath(QStringLiteral("../share/pixmaro/") + kHelpFileName) };
    for (const QString &dir : dataDirs)
        candidates << QDir(dir).filePath(QStringLiteral("pixmaro/") + kHelpFileName);
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    return std::nullopt;
}

} // namespace pixmaro
