// Tests of the output-location dialog: its start folder, file list, name rules, overwrite
// question, kept name and file commands.
#include "html/HtmlOutputDialog.h"

#include "filecmds/FileCommands.h"
#include "settings/IniFile.h"
#include "shell/DesktopShell.h"
#include "support/AccessibleNames.h"
#include "support/FakeMessages.h"
#include "support/FakeShell.h"
#include "support/Screenshots.h"
#include "support/TempFiles.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::FakeMessages;
using test::FakeShell;
using test::WriteFile;

class LocationDialog : public ::testing::Test {
protected:
    LocationDialog()
    {
        WriteFile(folder() + "/b.htm", "b");
        WriteFile(folder() + "/A.html", "a");
        WriteFile(folder() + "/.hidden.htm", "h");
        WriteFile(folder() + "/notes.txt", "n");
        dialog.prepareToShow(folder());
    }
    ~LocationDialog() override { dialog.hide(); }

    QString folder() const { return QDir::cleanPath(dir.path()); }
    QLineEdit *name() { return dialog.findChild<QLineEdit *>("eFileName"); }
    QListWidget *list() { return dialog.findChild<QListWidget *>("lbFiles"); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    QStringList selected()
    {
        QStringList names;
        for (QListWidgetItem *item : list()->selectedItems())
            names << item->text();
        names.sort();
        return names;
    }
    void ok() { dialog.findChild<QPushButton *>("bOK")->click(); }
    void menu(const char *text)
    {
        for (QAction *action : dialog.findChild<QMenu *>("pmFiles")->actions()) {
            if (action->text() == QLatin1String(text)) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu entry " << text;
    }

    QTemporaryDir dir;
    FakeMessages messages;
    FakeShell shell;
    HtmlOutputDialog dialog { messages, shell };
};

TEST_F(LocationDialog, OpensOnTheRunFolderAndListsItsPages)
{
    EXPECT_EQ(dialog.windowTitle(), "Specify location of HTML");
    EXPECT_EQ(dialog.chosenFolder(), folder());
    EXPECT_EQ(listed(), QStringList({ ".hidden.htm", "A.html", "b.htm" }));
    EXPECT_EQ(name()->text(), "MyWeb.htm");
    EXPECT_EQ(list()->toolTip(), "Right-Click for popup menu");
    EXPECT_EQ(dialog.findChild<QTreeView *>("dtTree")->accessibleName(), "HTML Folder");
    EXPECT_EQ(list()->accessibleName(), "HTML Files");

    // A run folder that is gone: the folder of the last page confirmed; never an empty path.
    dialog.show();
    ok();
    dialog.prepareToShow(folder() + "/gone");
    EXPECT_EQ(dialog.chosenFolder(), folder());
    dialog.prepareToShow(QString());
    EXPECT_EQ(dialog.chosenFolder(), folder());
    HtmlOutputDialog fresh(messages, shell);
    fresh.prepareToShow(folder() + "/gone/deeper");
    EXPECT_EQ(fresh.chosenFolder(), folder());

    // Clicking an entry takes its name.
    Q_EMIT list()->itemClicked(list()->item(1));
    EXPECT_EQ(name()->text(), "A.html");
}

TEST_F(LocationDialog, FileNameRulesAndOverwrite)
{
    struct Row {
        const char *typed;
        const char *chosen;
    };
    for (const Row row : { Row { "", "MyWeb.htm" }, Row { "gallery.txt", "MyWeb.htm" },
             Row { "Gallery.HTM", "MyWeb.htm" }, Row { "gallery.html", "gallery.html" } }) {
        dialog.show();
        name()->setText(row.typed);
        ok();
        EXPECT_EQ(name()->text(), row.chosen) << row.typed;
        EXPECT_FALSE(dialog.isVisible()) << row.typed;
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.location().pagePath(), folder() + "/gallery.html");

    // An existing page: Cancel keeps the dialog open with the name as it stands; OK goes on.
    dialog.show();
    name()->setText("b.htm");
    messages.answers = { MessageAnswer::Cancel, MessageAnswer::Ok };
    ok();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(name()->text(), "b.htm");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kOverwriteQuestion);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);
    ok();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LocationDialog, KeptNameRoundTrip)
{
    dialog.loadSettings(
        HtmlOutputSettings::Load(IniFile::FromText("[Directories]\nhtmlName=album.htm\n")));
    EXPECT_EQ(name()->text(), "album.htm");
    name()->setText("holiday.html");
    IniFile ini;
    dialog.settings().save(ini);
    EXPECT_EQ(HtmlOutputSettings::Load(ini).htmlName, "holiday.html");
    dialog.resetToDefaults();
    EXPECT_EQ(name()->text(), "MyWeb.htm");
}

TEST_F(LocationDialog, PopupSelectionAndNotepad)
{
    menu("Select All");
    EXPECT_EQ(selected(), QStringList({ ".hidden.htm", "A.html", "b.htm" }));
    menu("DeSelect All");
    EXPECT_TRUE(selected().isEmpty());
    list()->item(0)->setSelected(true);
    menu("Invert Selection");
    EXPECT_EQ(selected(), QStringList({ "A.html", "b.htm" }));

    list()->setCurrentRow(2);
    menu("Open in Notepad");
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0], (FakeShell::Call { "start", { "TextEditor", folder() + "/b.htm" } }));
}

TEST_F(LocationDialog, DeletionToTheTrashForGoodOrNot)
{
    QString countLine;
    std::optional<bool> answer;
    dialog.setDeleteConfirmation([&](int count) {
        countLine = DeleteConfirmationText(count);
        return answer;
    });
    list()->item(1)->setSelected(true);
    list()->item(2)->setSelected(true);

    menu("Delete Selected Files"); // not confirmed
    EXPECT_EQ(countLine, "Confirm deletion of 2 files...");
    EXPECT_EQ(listed().size(), 3);
    EXPECT_TRUE(shell.calls.empty());

    answer = true; // to the trash, one file per call
    menu("Delete Selected Files");
    EXPECT_EQ(shell.callsOf("trash"),
        (std::vector<FakeShell::Call> {
            { "trash", { folder() + "/A.html" } }, { "trash", { folder() + "/b.htm" } } }));
    EXPECT_EQ(listed(), QStringList { ".hidden.htm" });

    answer = false; // for good, with the Delete key
    list()->item(0)->setSelected(true);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(list(), &del);
    EXPECT_EQ(countLine, "Confirm deletion of 1 files...");
    EXPECT_FALSE(QFileInfo::exists(folder() + "/.hidden.htm"));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(shell.callsOf("trash").size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(folder() + "/notes.txt"));
}

TEST(LocationDialogTrash, DeletedPagesCanBeRestoredFromTheDesktopTrash)
{
    QTemporaryDir dir;
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("share")));
    const QString page = WriteFile(dir.filePath("web/old.htm"), "old");
    FakeMessages messages;
    DesktopShell shell;
    HtmlOutputDialog dialog(messages, shell);
    dialog.prepareToShow(dir.filePath("web"));
    auto *list = dialog.findChild<QListWidget *>("lbFiles");
    ASSERT_EQ(list->count(), 1);
    list->item(0)->setSelected(true);
    messages.answers = { MessageAnswer::Yes };
    dialog.DeleteSelectedClick();
    EXPECT_EQ(messages.texts, QStringList { "Confirm deletion of 1 files..." });
    EXPECT_FALSE(QFileInfo::exists(page));
    EXPECT_EQ(test::ReadFile(dir.filePath("share/Trash/files/old.htm")), "old");
    EXPECT_EQ(list->count(), 0);
    qputenv("XDG_DATA_HOME", savedData);
}

TEST_F(LocationDialog, EveryControlHasAName)
{
    EXPECT_EQ(test::UnnamedControls(dialog), QStringList());
    EXPECT_EQ(test::AccessibleName(name()), "File Name:");
    EXPECT_EQ(test::AccessibleName(list()), "HTML Files");
}

TEST_F(LocationDialog, Screenshot)
{
    dialog.show();
    EXPECT_FALSE(test::SaveScreenshot(dialog, "TfDlgOutHTML").isEmpty());
}

} // namespace
} // namespace pixmaro
