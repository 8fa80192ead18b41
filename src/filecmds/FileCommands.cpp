// The file commands of the wizard's file pages: delete, rename in place, create and remove
// folders, open a file, the texts they show and the rules that enable their menu entries.
#include "filecmds/FileCommands.h"

#include "base/Paths.h"
#include "settings/MainWindowSettings.h"
#include "shell/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixmaro {

namespace {

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

// Whether both paths name one and the same file (a change of letter case on a file system that
// ignores case).
bool SameFile(const QByteArray &a, const QByteArray &b)
{
    struct stat first {
    }, second {};
    return ::lstat(a.constData(), &first) == 0 && ::lstat(b.constData(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Renames without ever replacing an entry: the file system refuses when the new name is taken.
bool RenameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        // The "taken" name may be the file itself under another letter case.
        return SameFile(from, to) && ::rename(from.constData(), to.constData()) == 0;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename: a hard link cannot replace anything either.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

} // namespace

QString DeleteConfirmationText(int count)
{
    return QStringLiteral("Confirm deletion of ") + QString::number(count)
        + QStringLiteral(" files...");
}

QString RemoveFolderQuestion(const QString &folder)
{
    return QStringLiteral("Confirm Delete of Directory ") + folder;
}

QString CreateFolderQuestion(const QString &folder)
{
    return QStringLiteral("Create the folder ") + folder + u'?';
}

QString CreateFolderFailedText(const QString &folder)
{
    return QStringLiteral("Could not create the folder ") + folder;
}

bool IsPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(u'/') && !name.contains(QChar(u'\0'));
}

RenameOutcome RenameInFolder(const QString &folder, const QString &oldName, const QString &newName)
{
    if (newName == oldName)
        return RenameOutcome::Unchanged;
    if (!IsPlainFileName(oldName) || !IsPlainFileName(newName) || folder.isEmpty())
        return RenameOutcome::Failed;
    return RenameNoReplace(Native(PathIn(folder, oldName)), Native(PathIn(folder, newName)))
        ? RenameOutcome::Renamed
        : RenameOutcome::Failed;
}

QStringList DeleteForGood(const QStringList &paths)
{
    QStringList remaining;
    for (const QString &path : paths) {
        // unlink() removes the entry itself and refuses a folder.
        if (path.isEmpty() || ::unlink(Native(path).constData()) != 0)
            remaining << path;
    }
    return remaining;
}

QStringList DeleteFiles(Shell &shell, const QStringList &paths, bool toTrash)
{
    if (paths.isEmpty())
        return {};
    return toTrash ? shell.moveToTrash(paths) : DeleteForGood(paths);
}

QString ResolveTypedFolder(const QString &base, const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return {};
    QString path = typed;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    if (QDir::isRelativePath(path))
        path = PathIn(base, path);
    return QDir::cleanPath(path);
}

bool CreateFolderPath(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir();
}

bool RemoveEmptyFolder(const QString &folder)
{
    // rmdir() removes only an empty folder; nothing here ever walks into it.
    return !folder.isEmpty() && ::rmdir(Native(folder).constData()) == 0;
}

QString ParentFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (clean.isEmpty() || clean == QLatin1String("/"))
        return {};
    const qsizetype slash = clean.lastIndexOf(u'/');
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : clean.left(slash);
}

QString NearestFolderOrRoot(const QString &folder)
{
    return NearestExistingFolder(QDir(folder).absolutePath()).value_or(QStringLiteral("/"));
}

bool OpenWithAssociatedProgram(Shell &shell, const QString &path)
{
    // A pipe or device would block or be misread by whatever program opens it.
    struct stat info { };
    if (::stat(Native(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return shell.openWithAssociatedProgram(path);
}

InputMenuEnabling InputMenuEnablingFor(int entryCount, int selectedCount)
{
    return { entryCount > 0 && selectedCount > 0 };
}

std::vector<bool> InvertedSelection(const std::vector<bool> &selected)
{
    std::vector<bool> inverted(selected.size());
    for (std::size_t i = 0; i < selected.size(); ++i)
        inverted[i] = !selected[i];
    return inverted;
}

std::optional<RenameSession> StartRename(const QString &folder, const QStringList &entries,
    const std::vector<bool> &selected, int current)
{
    if (current < 0 || current >= entries.size() || std::size_t(current) >= selected.size()
        || !selected[std::size_t(current)])
        return std::nullopt;
    const QString name = entries[current];
    return RenameSession { folder, name, int(entries.indexOf(name)) };
}

int CurrentRenameIndex(const QStringList &entries, const RenameSession &session)
{
    if (session.index >= 0 && session.index < entries.size()
        && entries[session.index] == session.name)
        return session.index;
    return int(entries.indexOf(session.name));
}

} // namespace pixmaro
