// The desktop shell services the windows hand work to: opening a file or address with its
// associated program, starting a text editor, word processor or file manager, exploring a folder,
// moving files to the trash and showing the help. None of them waits for a started program.
#pragma once

#include <QString>
#include <QStringList>

namespace pixmaro {

class Shell {
public:
    /// The programs the windows start by name: "Notepad.exe"/"notepad.exe", "Write.exe" and
    /// "explorer.exe" on the desktop they were written for.
    enum class Program { TextEditor, WordProcessor, FileManager };

    virtual ~Shell() = default;

    /// Opens a full file path or a web address with the program the desktop associates with it.
    /// Returns false only when the desktop reports that nothing can open it.
    virtual bool openWithAssociatedProgram(const QString &pathOrAddress) = 0;
    /// Starts `program`, given `parameter` (a file path) when it is not empty. Failures are not
    /// reported.
    virtual void startProgram(Program program, const QString &parameter = {}) = 0;
    /// Shows `folder` in the file manager.
    virtual void exploreFolder(const QString &folder) = 0;
    /// Moves each file to the trash. Returns the files that could not be moved: they stay where
    /// they are, never deleted for good instead.
    virtual QStringList moveToTrash(const QStringList &paths) = 0;
    /// Opens the program's help contents.
    virtual void showHelpContents() = 0;
};

} // namespace pixmaro
