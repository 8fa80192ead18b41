// The file commands of the wizard's file pages: delete, rename in place, create and remove
// folders, open a file, the texts they show and the rules that enable their menu entries.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace pixmaro {

class Shell;

// The texts the commands show.
inline constexpr char16_t kRenameFailedText[] = u"Failed";
inline constexpr char16_t kRemoveFolderFailedText[]
    = u"Error Removing Directory, it must be empty.";
inline constexpr char16_t kCouldNotOpenFileText[] = u"Could not open file.";
inline constexpr char16_t kCouldNotOpenText[] = u"Could not open ";
inline constexpr char16_t kSourceFilesNoneText[] = u"Source Files: 0";

/// "Confirm deletion of <count> files..." (the plural also for one file).
QString DeleteConfirmationText(int count);
/// "Confirm Delete of Directory <folder>".
QString RemoveFolderQuestion(const QString &folder);
/// The question asked before the create-folder dialog makes `folder`.
QString CreateFolderQuestion(const QString &folder);
/// The message when `folder` could not be made.
QString CreateFolderFailedText(const QString &folder);

/// Whether `name` names one entry inside a folder: not empty, not "." or "..", and without a
/// separator or NUL, so a rename can never move a file into another folder.
bool IsPlainFileName(const QString &name);

/// How a rename in place ended.
enum class RenameOutcome {
    Renamed, ///< the file has its new name
    Unchanged, ///< the new name equals the old one exactly: nothing was moved
    Failed, ///< nothing was moved: a bad name, a taken name, a missing file or no right
};

/// Renames the entry `oldName` of `folder` to `newName` in the same folder. The name is used as
/// typed (not trimmed, its extension not forced) but must be a plain file name. An existing entry
/// is never replaced; a change of letter case alone works also on a file system that ignores
/// case. The folder is the one the file was listed from, whatever a tree shows meanwhile.
RenameOutcome RenameInFolder(const QString &folder, const QString &oldName, const QString &newName);

/// Removes each path for good, in order: the directory entry is unlinked (a symbolic link loses
/// the link, never its target; a folder is never removed). Returns the paths that remain.
QStringList DeleteForGood(const QStringList &paths);

/// Deletes `paths` to the trash through `shell` (all at once) or for good. Returns the paths that
/// remain: a file the trash refuses stays where it is and is never deleted for good instead.
QStringList DeleteFiles(Shell &shell, const QStringList &paths, bool toTrash);

/// The absolute, cleaned folder that `typed` names: an absolute path as it is, a relative one
/// (or "~/...") taken from `base`. Empty for an empty or blank text.
QString ResolveTypedFolder(const QString &base, const QString &typed);

/// Makes `folder` with every missing level. True only when the folder exists afterwards.
bool CreateFolderPath(const QString &folder);

/// Removes `folder` when it is empty (never its content). True when it is gone.
bool RemoveEmptyFolder(const QString &folder);

/// The folder above `folder`, without a trailing separator ("/" for a folder at the root); empty
/// for the root itself.
QString ParentFolder(const QString &folder);

/// `folder` when it exists, else the nearest existing folder above it ("/" at worst): a tree whose
/// folder vanished moves there instead of showing nothing.
QString NearestFolderOrRoot(const QString &folder);

/// Opens `path` with its associated program through `shell`. False (nothing started) for a path
/// that is not a regular file or that the desktop has no program for.
bool OpenWithAssociatedProgram(Shell &shell, const QString &path);

/// Which entries of the input list's pop-up menu are enabled, from the list's state.
struct InputMenuEnabling {
    bool deleteSelectedFiles = false;
    friend bool operator==(const InputMenuEnabling &, const InputMenuEnabling &) = default;
};
InputMenuEnabling InputMenuEnablingFor(int entryCount, int selectedCount);

/// The selection after "Invert Selection": every entry the opposite of what it was.
std::vector<bool> InvertedSelection(const std::vector<bool> &selected);

/// A manual rename between its start and its end: the file's own folder and name, and the list
/// index the name had when the rename started.
struct RenameSession {
    QString folder;
    QString name;
    int index = -1;
};

/// Starts a rename of the current entry `current` of `entries` (read from `folder`); nothing when
/// that entry is not selected or out of range.
std::optional<RenameSession> StartRename(const QString &folder, const QStringList &entries,
    const std::vector<bool> &selected, int current);

/// The index of the session's file in `entries` now: the remembered index when it still holds
/// that name, else where the name is now, else -1 (the list was re-read meanwhile).
int CurrentRenameIndex(const QStringList &entries, const RenameSession &session);

} // namespace pixmaro
