// Tests of the file commands on real temporary folders: what is on disk afterwards.
#include "filecmds/FileCommands.h"

#include "shell/DesktopShell.h"
#include "support/FakeShell.h"
#include "support/ScopedEnv.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::ReadFile;
using test::WriteFile;

using test::FakeShell;

using test::ScopedEnv;

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

struct RenameRow {
    const char *what;
    QString from;
    QString to;
    RenameOutcome outcome;
    QStringList after; // the folder's entries afterwards
};

TEST(RenameInFolder, RenamesOnlyToAFreePlainNameInTheSameFolder)
{
    const QString nul = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b.jpg");
    const std::vector<RenameRow> rows = {
        { "plain", "a.jpg", "c.jpg", RenameOutcome::Renamed, { "b.jpg", "c.jpg" } },
        { "unchanged", "a.jpg", "a.jpg", RenameOutcome::Unchanged, { "a.jpg", "b.jpg" } },
        { "letter case only", "a.jpg", "A.jpg", RenameOutcome::Renamed, { "A.jpg", "b.jpg" } },
        { "taken name", "a.jpg", "b.jpg", RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
        { "no extension forced", "a.jpg", "a", RenameOutcome::Renamed, { "a", "b.jpg" } },
        { "blanks kept", "a.jpg", " a.jpg ", RenameOutcome::Renamed, { " a.jpg ", "b.jpg" } },
        { "empty", "a.jpg", "", RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
        { "dot", "a.jpg", ".", RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
        { "dot dot", "a.jpg", "..", RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
        { "separator", "a.jpg", "sub/a.jpg", RenameOutcome::Failed, { "a.jpg", "b.jpg", "sub" } },
        { "up and out", "a.jpg", "../a.jpg", RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
        { "NUL", "a.jpg", nul, RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
        { "missing source", "gone.jpg", "x.jpg", RenameOutcome::Failed, { "a.jpg", "b.jpg" } },
    };
    for (const RenameRow &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/pics");
        WriteFile(folder + QStringLiteral("/a.jpg"), "AAAA");
        WriteFile(folder + QStringLiteral("/b.jpg"), "BBBB");
        if (QString(row.what) == QLatin1String("separator"))
            QDir().mkpath(folder + QStringLiteral("/sub"));
        EXPECT_EQ(RenameInFolder(folder, row.from, row.to), row.outcome);
        EXPECT_EQ(Entries(folder), row.after);
        EXPECT_EQ(Entries(dir.path()), QStringList { "pics" }); // nothing left the folder
        if (row.outcome != RenameOutcome::Renamed) {
            EXPECT_EQ(ReadFile(folder + QStringLiteral("/a.jpg")), "AAAA");
        }
        EXPECT_EQ(ReadFile(folder + QStringLiteral("/b.jpg")), "BBBB");
        if (row.outcome == RenameOutcome::Renamed) {
            EXPECT_EQ(ReadFile(folder + u'/' + row.to), "AAAA");
        }
    }
}

TEST(DeleteForGood, UnlinksEntriesAndNeverWhatALinkPointsTo)
{
    QTemporaryDir dir;
    const QString target = WriteFile(dir.filePath("outside/kept.jpg"), "KEEP");
    const QString plain = WriteFile(dir.filePath("pics/a.jpg"), "A");
    const QString link = dir.filePath("pics/link.jpg");
    ASSERT_TRUE(QFile::link(target, link));
    QDir().mkpath(dir.filePath("pics/folder.jpg/inner"));
    const QString missing = dir.filePath("pics/missing.jpg");

    const QStringList left
        = DeleteForGood({ plain, link, dir.filePath("pics/folder.jpg"), missing });

    EXPECT_EQ(left, (QStringList { dir.filePath("pics/folder.jpg"), missing }));
    EXPECT_EQ(Entries(dir.filePath("pics")), QStringList { "folder.jpg" });
    EXPECT_TRUE(QDir(dir.filePath("pics/folder.jpg/inner")).exists());
    EXPECT_EQ(ReadFile(target), "KEEP");
}

TEST(DeleteFiles, TrashGetsAllPathsAtOnceAndARefusedFileStays)
{
    QTemporaryDir dir;
    const QString a = WriteFile(dir.filePath("a.jpg"), "A");
    const QString b = WriteFile(dir.filePath("b.jpg"), "B");
    const QString c = WriteFile(dir.filePath("c.jpg"), "C");
    FakeShell shell;
    shell.untrashable = { b };

    EXPECT_EQ(DeleteFiles(shell, { a, b, c }, true), QStringList { b });
    ASSERT_EQ(shell.callsOf("trash").size(), 1u);
    EXPECT_EQ(shell.callsOf("trash")[0].arguments, (QStringList { a, b, c }));
    // The refused file is where it was, with its bytes: no fallback to deleting it for good.
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(Entries(dir.path()), QStringList { "b.jpg" });

    // For good: the trash is not asked.
    shell.calls.clear();
    EXPECT_TRUE(DeleteFiles(shell, { b }, false).isEmpty());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(Entries(dir.path()).isEmpty());
}

TEST(DeleteFiles, ARealTrashKeepsTheFileRestorable)
{
    QTemporaryDir dir;
    ScopedEnv data("XDG_DATA_HOME", dir.filePath("home/.local/share"));
    const QString file = WriteFile(dir.filePath("pics/holiday photo.jpg"), "JPEG BYTES");
    const QString kept = WriteFile(dir.filePath("pics/kept.jpg"), "KEPT");
    DesktopShell shell;

    EXPECT_TRUE(DeleteFiles(shell, { file }, true).isEmpty());

    EXPECT_EQ(Entries(dir.filePath("pics")), QStringList { "kept.jpg" });
    EXPECT_EQ(ReadFile(kept), "KEPT");
    const QString trash = dir.filePath("home/.local/share/Trash");
    const QStringList trashed = Entries(trash + "/files");
    ASSERT_EQ(trashed.size(), 1);
    EXPECT_EQ(ReadFile(trash + "/files/" + trashed[0]), "JPEG BYTES");
    const QByteArray info = ReadFile(trash + "/info/" + trashed[0] + ".trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\n")) << info.constData();
    // Restoring is moving the file back to the place its information names.
    QString original;
    for (const QByteArray &line : info.split('\n')) {
        if (line.startsWith("Path="))
            original = QUrl::fromPercentEncoding(line.mid(5));
    }
    EXPECT_EQ(original, file);
    ASSERT_TRUE(QFile::rename(trash + "/files/" + trashed[0], original));
    EXPECT_EQ(ReadFile(file), "JPEG BYTES");
}

TEST(Folders, TypedPathsResolveFromTheDialogsFolder)
{
    const struct {
        QString base, typed, expected;
    } rows[] = {
        { "/home/ann", "new", "/home/ann/new" },
        { "/home/ann", "a/b/c", "/home/ann/a/b/c" },
        { "/home/ann", "../bob/x/", "/home/bob/x" },
        { "/home/ann", "/tmp/x", "/tmp/x" },
        { "/", "x", "/x" },
        { "/home/ann", "~/x", QDir::homePath() + "/x" },
        { "/home/ann", "", "" },
        { "/home/ann", "   ", "" },
    };
    for (const auto &row : rows) {
        EXPECT_EQ(ResolveTypedFolder(row.base, row.typed), row.expected) << row.typed.toStdString();
    }
}

TEST(Folders, CreateMakesEveryLevelAndReportsWhatExists)
{
    QTemporaryDir dir;
    const QString deep = dir.filePath("a/b/c");
    EXPECT_TRUE(CreateFolderPath(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());
    EXPECT_TRUE(CreateFolderPath(deep)); // already there
    const QString file = WriteFile(dir.filePath("file"), "F");
    EXPECT_FALSE(CreateFolderPath(file + QStringLiteral("/sub")));
    EXPECT_FALSE(CreateFolderPath(file));
    EXPECT_EQ(ReadFile(file), "F");
    EXPECT_FALSE(CreateFolderPath(QString()));
}

TEST(Folders, RemoveTakesOnlyAnEmptyFolder)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("empty"));
    const QString inner = WriteFile(dir.filePath("full/keep.jpg"), "K");
    EXPECT_TRUE(RemoveEmptyFolder(dir.filePath("empty")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("empty")));
    EXPECT_FALSE(RemoveEmptyFolder(dir.filePath("full")));
    EXPECT_EQ(ReadFile(inner), "K");
    const QString file = WriteFile(dir.filePath("plain.jpg"), "P");
    EXPECT_FALSE(RemoveEmptyFolder(file));
    EXPECT_EQ(ReadFile(file), "P");
}

TEST(Folders, ParentsAndTheNearestFolderThatStillExists)
{
    EXPECT_EQ(ParentFolder("/home/ann/pics"), "/home/ann");
    EXPECT_EQ(ParentFolder("/home/ann/pics/"), "/home/ann");
    EXPECT_EQ(ParentFolder("/home"), "/");
    EXPECT_EQ(ParentFolder("/"), "");

    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("a/b"));
    EXPECT_EQ(NearestFolderOrRoot(dir.filePath("a/b")), dir.filePath("a/b"));
    EXPECT_EQ(NearestFolderOrRoot(dir.filePath("a/b/gone/deeper")), dir.filePath("a/b"));
    const QString file = WriteFile(dir.filePath("a/file"), "F");
    EXPECT_EQ(NearestFolderOrRoot(file), dir.filePath("a"));
    EXPECT_FALSE(NearestFolderOrRoot("/no-such-root-folder/x").isEmpty());
}

TEST(OpenFile, OnlyARegularFileGoesToTheDesktop)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir.filePath("a.jpg"), "A");
    FakeShell shell;
    EXPECT_TRUE(OpenWithAssociatedProgram(shell, file));
    shell.openResult = false;
    EXPECT_FALSE(OpenWithAssociatedProgram(shell, file));
    EXPECT_FALSE(OpenWithAssociatedProgram(shell, dir.filePath("missing.jpg")));
    EXPECT_FALSE(OpenWithAssociatedProgram(shell, dir.path()));
    ASSERT_EQ(shell.callsOf("open").size(), 2u); // the folder and the missing file never go
    EXPECT_EQ(shell.callsOf("open")[1].arguments, QStringList { file });
}

TEST(Texts, QuestionsAndTheDeleteEntryRule)
{
    EXPECT_EQ(DeleteConfirmationText(1), "Confirm deletion of 1 files...");
    EXPECT_EQ(DeleteConfirmationText(12), "Confirm deletion of 12 files...");
    EXPECT_EQ(RemoveFolderQuestion("/home/<b>x</b>"), "Confirm Delete of Directory /home/<b>x</b>");
    EXPECT_EQ(InputMenuEnablingFor(0, 0).deleteSelectedFiles, false);
    EXPECT_EQ(InputMenuEnablingFor(3, 0).deleteSelectedFiles, false);
    EXPECT_EQ(InputMenuEnablingFor(3, 1).deleteSelectedFiles, true);
    EXPECT_EQ(InvertedSelection({ true, false, false }), (std::vector<bool> { false, true, true }));
}

TEST(RenameSession, StartsOnlyOnASelectedCurrentEntryAndFindsItAfterAReRead)
{
    const QStringList entries = { "a.jpg", "b.jpg", "c.jpg" };
    EXPECT_FALSE(StartRename("/p", entries, { true, false, false }, 1)); // current not selected
    EXPECT_FALSE(StartRename("/p", entries, { true, true, true }, 3)); // out of range
    EXPECT_FALSE(StartRename("/p", entries, { true, true, true }, -1));
    const auto session = StartRename("/p", entries, { false, true, false }, 1);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->folder, "/p");
    EXPECT_EQ(session->name, "b.jpg");
    EXPECT_EQ(session->index, 1);

    EXPECT_EQ(CurrentRenameIndex(entries, *session), 1);
    EXPECT_EQ(CurrentRenameIndex({ "0.jpg", "a.jpg", "b.jpg" }, *session), 2); // shifted
    EXPECT_EQ(CurrentRenameIndex({ "a.jpg" }, *session), -1); // shrunk past it
    EXPECT_EQ(CurrentRenameIndex({}, *session), -1);
}

} // namespace
} // namespace pixmaro
