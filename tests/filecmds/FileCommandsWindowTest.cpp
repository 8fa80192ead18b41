// The file commands in the main window: each command and answer on real temporary folders, with a
// recording shell and scripted message boxes; what is on disk and in each list afterwards.
#include "app/MainWindow.h"
#include "filecmds/ConfirmDeleteDialog.h"
#include "imaging/PreviewWindow.h"
#include "settings/IniFile.h"
#include "support/FakeMessages.h"
#include "support/FakeShell.h"
#include "support/Screenshots.h"
#include "support/TempFiles.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"
#include "ui/PreviewPane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace pixmaro::test {
namespace {

class FileCommandsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        input = tmp.filePath("in");
        output = tmp.filePath("out");
        QDir().mkpath(input);
        QDir().mkpath(output);
        settingsPath = tmp.filePath("Pixmaro.ini");
    }

    void open()
    {
        window = std::make_unique<MainWindow>(messages, shell, settingsPath);
        tree("fDir")->setFolder(input);
        tree("fNewDir")->setFolder(output);
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    FolderTree *tree(const char *name) const { return find<FolderTree>(name); }
    FileListBox *list(const char *name) const { return find<FileListBox>(name); }
    QAbstractButton *button(const char *name) const { return find<QAbstractButton>(name); }
    QMenu *menu(const char *name) const { return find<QMenu>(name); }
    void click(const char *name) const { button(name)->click(); }

    /// Highlights the input list's entries named `names`, the first of them current.
    void highlight(const QStringList &names) const
    {
        FileListBox *box = list("fBox");
        box->clearSelection();
        for (const QString &name : names) {
            const auto found = box->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            found[0]->setSelected(true);
        }
        if (!names.isEmpty())
            box->setCurrentItem(
                box->findItems(names[0], Qt::MatchExactly)[0], QItemSelectionModel::NoUpdate);
    }
    QStringList highlighted() const
    {
        QStringList names;
        for (QListWidgetItem *item : list("fBox")->selectedItems())
            names << item->text();
        names.sort();
        return names;
    }
    /// The texts of a menu's entries, separators as "-".
    static QStringList Entries(QMenu *menu)
    {
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }
    static QAction *Entry(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        ADD_FAILURE() << "no entry " << text.toStdString();
        return nullptr;
    }
    void trigger(const char *menuName, const QString &text) const
    {
        if (QAction *action = Entry(menu(menuName), text))
            action->trigger();
    }
    /// Answers the deletion confirmation when it opens: Yes or No, after setting its check box.
    void answerDeletion(bool yes, std::optional<bool> toTrash = std::nullopt)
    {
        QTimer::singleShot(0, [yes, toTrash] {
            auto *dialog = qobject_cast<ConfirmDeleteDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (toTrash)
                dialog->findChild<QCheckBox *>("cbRecycle")->setChecked(*toTrash);
            dialog->findChild<QPushButton *>(yes ? "bYesDel" : "bNoDel")->click();
        });
    }
    /// Fails the test (closing the box) if a modal dialog opens.
    void expectNoDialog()
    {
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected dialog " << modal->objectName().toStdString();
                modal->close();
            }
        });
    }
    QStringList files(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::System, QDir::Name);
    }
    QString write(const QString &path, const QByteArray &bytes) const
    {
        return WriteFile(path, bytes);
    }

    QTemporaryDir tmp;
    QString input, output, settingsPath;
    FakeMessages messages;
    FakeShell shell;
    std::unique_ptr<MainWindow> window;
};

TEST_F(FileCommandsWindow, MenusCarryEveryCommandInOrder)
{
    open();
    EXPECT_EQ(Entries(menu("pm1")),
        QStringList({ "Next", "-", "Create New Directory", "Refresh Directory", "Remove Directory",
            "-", "Select All", "DeSelect All", "Invert Selection", "-", "Delete Selected Files",
            "-", "Launch Explorer", "-", "Exit" }));
    EXPECT_EQ(Entries(menu("pm2")),
        QStringList({ "Back", "Next", "-", "Create New Directory", "Refresh Directory",
            "Remove Directory", "-", "Launch Explorer", "-", "Exit" }));
}

TEST_F(FileCommandsWindow, DeleteEntryIsEnabledOnlyWithAHighlightedFile)
{
    write(input + "/a.jpg", "A");
    write(input + "/b.jpg", "B");
    open();
    QAction *remove = Entry(menu("pm1"), "Delete Selected Files");
    list("fBox")->clearSelection();
    Q_EMIT menu("pm1")->aboutToShow();
    EXPECT_FALSE(remove->isEnabled());
    highlight({ "b.jpg" });
    Q_EMIT menu("pm1")->aboutToShow();
    EXPECT_TRUE(remove->isEnabled());
    // Nothing in pm2 depends on the state.
    for (QAction *action : menu("pm2")->actions())
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();

    menu("pm1")->popup(QPoint(0, 0));
    EXPECT_FALSE(SaveScreenshot(*menu("pm1"), "pm1").isEmpty());
    menu("pm1")->hide();
    menu("pm2")->popup(QPoint(0, 0));
    EXPECT_FALSE(SaveScreenshot(*menu("pm2"), "pm2").isEmpty());
    menu("pm2")->hide();
}

TEST_F(FileCommandsWindow, SelectionCommandsFromButtonsAndMenu)
{
    for (const char *name : { "a.jpg", "b.jpg", "c.jpg" })
        write(input + "/" + name, name);
    open();
    click("bSelAll");
    EXPECT_EQ(highlighted(), QStringList({ "a.jpg", "b.jpg", "c.jpg" }));
    trigger("pm1", "DeSelect All");
    EXPECT_TRUE(highlighted().isEmpty());
    highlight({ "b.jpg" });
    click("bInvertSel");
    EXPECT_EQ(highlighted(), QStringList({ "a.jpg", "c.jpg" }));
    trigger("pm1", "Invert Selection");
    EXPECT_EQ(highlighted(), QStringList({ "b.jpg" }));
    click("bDeSelAll");
    EXPECT_TRUE(highlighted().isEmpty());
    trigger("pm1", "Select All");
    EXPECT_EQ(highlighted().size(), 3);
    EXPECT_TRUE(window->selectedFiles().isEmpty()); // built only when page 1 is left
}

TEST_F(FileCommandsWindow, DeleteToTheTrashOrForGoodAfterYes)
{
    for (const char *name : { "a.jpg", "b.jpg", "c.jpg", "d.jpg" })
        write(input + "/" + name, name);
    open();
    auto *lbMFL = find<QListWidget>("lbMFL");
    lbMFL->addItems({ "x.jpg", "y.jpg" });
    find<QLabel>("lMFL")->setText("Source Files: 2");

    // No: nothing is deleted, the source list stays.
    highlight({ "a.jpg", "c.jpg" });
    answerDeletion(false);
    click("bDelSel");
    EXPECT_EQ(files(input), QStringList({ "a.jpg", "b.jpg", "c.jpg", "d.jpg" }));
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(lbMFL->count(), 2);
    EXPECT_EQ(find<QLabel>("lMFL")->text(), "Source Files: 2");
    EXPECT_EQ(find<QLabel>("lNumDel")->text(), "Confirm deletion of 2 files...");

    // Yes with the trash (the default): one request with both paths, top to bottom.
    highlight({ "c.jpg", "a.jpg" });
    answerDeletion(true);
    QTest::keyClick(list("fBox"), Qt::Key_Delete);
    ASSERT_EQ(shell.callsOf("trash").size(), 1u);
    EXPECT_EQ(
        shell.callsOf("trash")[0].arguments, QStringList({ input + "/a.jpg", input + "/c.jpg" }));
    EXPECT_EQ(list("fBox")->entries(), QStringList({ "b.jpg", "d.jpg" }));
    EXPECT_EQ(lbMFL->count(), 0);
    EXPECT_EQ(find<QLabel>("lMFL")->text(), "Source Files: 0");

    // A file the trash refuses stays, and is not deleted for good instead.
    shell.untrashable = { input + "/b.jpg" };
    highlight({ "b.jpg" });
    answerDeletion(true);
    click("bDelSel");
    EXPECT_EQ(ReadFile(input + "/b.jpg"), "b.jpg");
    EXPECT_EQ(list("fBox")->entries(), QStringList({ "b.jpg", "d.jpg" }));
    EXPECT_EQ(find<QLabel>("lNumDel")->text(), "Confirm deletion of 1 files...");

    // For good: unchecking the box holds for the next deletion.
    highlight({ "d.jpg" });
    answerDeletion(true, false);
    trigger("pm1", "Delete Selected Files");
    EXPECT_EQ(files(input), QStringList({ "b.jpg" }));
    EXPECT_EQ(shell.callsOf("trash").size(), 2u);
    EXPECT_FALSE(find<QCheckBox>("cbRecycle")->isChecked());
}

TEST_F(FileCommandsWindow, DeleteKeyWithNothingHighlightedDoesNothing)
{
    write(input + "/a.jpg", "A");
    open();
    list("fBox")->clearSelection();
    expectNoDialog();
    QTest::keyClick(list("fBox"), Qt::Key_Delete);
    click("bDelSel");
    QCoreApplication::processEvents();
    EXPECT_EQ(files(input), QStringList { "a.jpg" });
}

TEST_F(FileCommandsWindow, AListOutOfStepWithItsTreeActsOnItsOwnFolder)
{
    write(input + "/same.jpg", "INPUT");
    write(output + "/same.jpg", "OUTPUT");
    open();
    // The list still shows the input folder while the tree shows another one.
    {
        const QSignalBlocker quiet(tree("fDir"));
        tree("fDir")->setFolder(output);
    }
    ASSERT_EQ(list("fBox")->folder(), input);
    highlight({ "same.jpg" });
    answerDeletion(true, false);
    click("bDelSel");
    EXPECT_FALSE(QFileInfo::exists(input + "/same.jpg"));
    EXPECT_EQ(ReadFile(output + "/same.jpg"), "OUTPUT");
}

class Rename : public FileCommandsWindow {
protected:
    void SetUp() override
    {
        FileCommandsWindow::SetUp();
        write(input + "/a.jpg", "A");
        write(input + "/b.jpg", "B");
        open();
    }
    QLineEdit *editBox() const { return find<QLineEdit>("eFileEdit"); }
    bool editing() const
    {
        return button("bRenInd")->isHidden() && !editBox()->isHidden()
            && !button("bRenameOK")->isHidden() && !button("bRenameCan")->isHidden();
    }
    void start(const QString &name)
    {
        highlight({ name });
        click("bRenInd");
        ASSERT_TRUE(editing());
        EXPECT_EQ(editBox()->text(), name);
    }
    void confirmWithEnter(const QString &typed)
    {
        editBox()->setText(typed);
        QTest::keyClick(editBox(), Qt::Key_Return);
    }
};

TEST_F(Rename, EnterRenamesInPlaceAndClosesTheControls)
{
    EXPECT_TRUE(button("bRenInd")->isVisibleTo(window.get()));
    EXPECT_TRUE(editBox()->isHidden());
    start("b.jpg");
    confirmWithEnter("c.jpg");
    EXPECT_FALSE(editing());
    EXPECT_FALSE(button("bRenInd")->isHidden());
    EXPECT_EQ(files(input), QStringList({ "a.jpg", "c.jpg" }));
    EXPECT_EQ(ReadFile(input + "/c.jpg"), "B");
    EXPECT_EQ(list("fBox")->entries(), QStringList({ "a.jpg", "c.jpg" }));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(Rename, NothingHappensWithoutAHighlightedCurrentEntry)
{
    list("fBox")->clearSelection();
    click("bRenInd");
    EXPECT_FALSE(editing());
    // The current entry is not highlighted: nothing either.
    list("fBox")->item(0)->setSelected(true);
    list("fBox")->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    click("bRenInd");
    EXPECT_FALSE(editing());
}

TEST_F(Rename, RefusedNamesFailAndKeepTheControlsOpen)
{
    const QString nul = QStringLiteral("x") + QChar(u'\0') + QStringLiteral(".jpg");
    for (const QString &typed : { QString("a.jpg"), QString(), QString("."), QString(".."),
             QString("sub/x.jpg"), QString("../x.jpg"), nul }) {
        SCOPED_TRACE(typed.toStdString());
        messages.texts.clear();
        start("b.jpg");
        editBox()->setText(typed);
        click("bRenameOK");
        EXPECT_EQ(messages.texts, QStringList { "Failed" });
        EXPECT_TRUE(editing());
        EXPECT_TRUE(highlighted().isEmpty()); // the entry stays deselected
        EXPECT_EQ(files(input), QStringList({ "a.jpg", "b.jpg" }));
        EXPECT_EQ(ReadFile(input + "/a.jpg"), "A");
        EXPECT_EQ(ReadFile(input + "/b.jpg"), "B");
        EXPECT_EQ(QDir(input).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList({ "a.jpg", "b.jpg" }));
        EXPECT_TRUE(files(output).isEmpty());
        click("bRenameCan");
        EXPECT_FALSE(editing());
    }
}

TEST_F(Rename, UnchangedNameMovesNothingAndCaseAloneIsAChange)
{
    start("a.jpg");
    click("bRenameOK");
    EXPECT_FALSE(editing());
    EXPECT_EQ(files(input), QStringList({ "a.jpg", "b.jpg" }));
    start("a.jpg");
    confirmWithEnter("A.jpg");
    EXPECT_EQ(files(input), QStringList({ "A.jpg", "b.jpg" }));
    EXPECT_EQ(ReadFile(input + "/A.jpg"), "A");
    start("b.jpg");
    click("bRenameCan");
    EXPECT_FALSE(editing());
    EXPECT_EQ(files(input), QStringList({ "A.jpg", "b.jpg" }));
}

TEST_F(Rename, TheFileStaysInItsFolderWhateverTheTreeShowsMeanwhile)
{
    write(output + "/keep.jpg", "KEEP");
    start("b.jpg");
    tree("fDir")->setFolder(output); // the user browses away with the edit open
    ASSERT_EQ(list("fBox")->folder(), output);
    confirmWithEnter("moved.jpg");
    EXPECT_EQ(files(input), QStringList({ "a.jpg", "moved.jpg" }));
    EXPECT_EQ(files(output), QStringList { "keep.jpg" });
    EXPECT_EQ(ReadFile(input + "/moved.jpg"), "B");
}

TEST_F(Rename, AListReadAgainMeanwhileIsNoProblem)
{
    start("b.jpg");
    QFile::remove(input + "/a.jpg");
    list("fBox")->refresh(); // b.jpg is now the first entry; the remembered index is past the end
    ASSERT_EQ(list("fBox")->count(), 1);
    confirmWithEnter("z.jpg");
    EXPECT_EQ(files(input), QStringList { "z.jpg" });
    EXPECT_FALSE(editing());
}

TEST_F(FileCommandsWindow, CreateFolderThroughTheDialogKeepsBothTreesWhereTheyWere)
{
    open();
    messages.answers = { MessageAnswer::Yes };
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "CreateFolderDialog");
        dialog->findChild<QLineEdit *>("eFolder")->setText("new/deeper");
        dialog->findChild<QPushButton *>("bOK")->click();
    });
    trigger("pm1", "Create New Directory");
    EXPECT_TRUE(QFileInfo(input + "/new/deeper").isDir());
    EXPECT_EQ(tree("fDir")->folder(), input);
    EXPECT_EQ(tree("fNewDir")->folder(), output);

    // From the output tree, relative to its folder; Cancel makes nothing.
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>("eFolder")->setText("never");
        dialog->findChild<QPushButton *>("bCancel")->click();
    });
    trigger("pm2", "Create New Directory");
    EXPECT_FALSE(QFileInfo::exists(output + "/never"));
}

TEST_F(FileCommandsWindow, RemoveFolderTakesOnlyAnEmptyFolderAfterOk)
{
    QDir().mkpath(input + "/empty");
    write(input + "/full/keep.jpg", "KEEP");
    open();

    tree("fDir")->setFolder(input + "/empty");
    messages.answers = { MessageAnswer::Cancel };
    trigger("pm1", "Remove Directory");
    EXPECT_TRUE(QFileInfo(input + "/empty").isDir());
    EXPECT_EQ(messages.texts.last(), "Confirm Delete of Directory " + input + "/empty");

    messages.answers = { MessageAnswer::Ok };
    trigger("pm1", "Remove Directory");
    EXPECT_FALSE(QFileInfo::exists(input + "/empty"));
    EXPECT_EQ(tree("fDir")->folder(), input);

    tree("fNewDir")->setFolder(input + "/full");
    messages.answers = { MessageAnswer::Ok };
    trigger("pm2", "Remove Directory");
    EXPECT_EQ(messages.texts.last(), "Error Removing Directory, it must be empty.");
    EXPECT_EQ(ReadFile(input + "/full/keep.jpg"), "KEEP");
    EXPECT_EQ(tree("fNewDir")->folder(), input + "/full");
}

TEST_F(FileCommandsWindow, ATreeWhoseFolderWasRemovedMovesToTheNearestFolderLeft)
{
    QDir().mkpath(input + "/a/b");
    open();
    tree("fDir")->setFolder(input + "/a/b");
    tree("fNewDir")->setFolder(input + "/a/b");
    messages.answers = { MessageAnswer::Ok };
    trigger("pm2", "Remove Directory");
    EXPECT_FALSE(QFileInfo::exists(input + "/a/b"));
    EXPECT_EQ(tree("fNewDir")->folder(), input + "/a");
    EXPECT_EQ(tree("fDir")->folder(), input + "/a");
    EXPECT_EQ(list("fBox")->folder(), input + "/a");

    // Removed outside the program: "Refresh Directory" finds the nearest folder left.
    QDir().mkpath(input + "/a/c");
    tree("fDir")->setFolder(input + "/a/c");
    QDir().rmdir(input + "/a/c");
    trigger("pm1", "Refresh Directory");
    EXPECT_EQ(tree("fDir")->folder(), input + "/a");
    EXPECT_FALSE(tree("fDir")->folder().isEmpty());
}

TEST_F(FileCommandsWindow, DoubleClickOpensWithTheAssociatedProgram)
{
    write(input + "/a.jpg", "A");
    write(output + "/b.gif", "B");
    open();
    Q_EMIT list("fBox")->itemDoubleClicked(list("fBox")->item(0));
    ASSERT_EQ(shell.callsOf("open").size(), 1u);
    EXPECT_EQ(shell.callsOf("open")[0].arguments, QStringList { input + "/a.jpg" });
    EXPECT_TRUE(messages.texts.isEmpty());

    shell.unopenable = { output + "/b.gif" };
    Q_EMIT list("fNewBox")->itemDoubleClicked(list("fNewBox")->item(0));
    EXPECT_EQ(shell.callsOf("open").size(), 2u);
    EXPECT_EQ(messages.texts, QStringList { "Could not open file." });
}

TEST_F(FileCommandsWindow, LaunchExplorerEntriesClickTheToolbarButton)
{
    open();
    trigger("pm1", "Launch Explorer");
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0], (FakeShell::Call { "explore", { input } }));
}

TEST_F(FileCommandsWindow, PreviewFromTheListsAndTheFullSizeWindow)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 200));
    picture.save(input + "/a.bmp", "BMP");
    write(input + "/notes.txt", "text");
    open();
    find<QComboBox>("cbMask")->setCurrentText("*.*");
    FileListBox *box = list("fBox");
    ASSERT_EQ(box->entries(), QStringList({ "a.bmp", "notes.txt" }));
    auto *pane = find<PreviewPane>("Image1");
    EXPECT_EQ(pane->accessibleName(), "Preview");

    const QPoint second = box->visualItemRect(box->item(1)).center();
    const QPoint first = box->visualItemRect(box->item(0)).center();
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, second);
    EXPECT_FALSE(pane->hasPicture()); // not a picture kind
    QTest::mousePress(box->viewport(), Qt::RightButton, {}, first);
    QTest::mouseRelease(box->viewport(), Qt::RightButton, {}, first);
    EXPECT_FALSE(pane->hasPicture()); // the right button opens the menu only
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, first);
    ASSERT_TRUE(pane->hasPicture());
    EXPECT_EQ(pane->hint(), input + "/a.bmp - W: 40, H: 30");

    QTest::mouseClick(pane, Qt::LeftButton);
    PreviewWindow *form2 = window->findChild<PreviewWindow *>("TForm2");
    ASSERT_NE(form2, nullptr);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->windowTitle(), input + "/a.bmp");
    EXPECT_EQ(form2->image()->picture(), pane->picture());
    form2->close();

    // The selected-source list previews its entries from the input list's folder.
    pane->clearPicture();
    auto *lbMFL = find<QListWidget>("lbMFL");
    lbMFL->addItem("a.bmp");
    Q_EMIT lbMFL->itemClicked(lbMFL->item(0));
    EXPECT_TRUE(pane->hasPicture());
    EXPECT_EQ(pane->hint(), input + "/a.bmp - W: 40, H: 30");
}

TEST_F(FileCommandsWindow, ThePaneIsEmptiedAndHiddenByGoAndShownAgainByOk)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 200));
    picture.save(input + "/a.bmp", "BMP");
    open();
    auto *pane = find<PreviewPane>("Image1");
    ASSERT_EQ(PreviewFromFileList(
                  *pane, *window->findChild<PreviewWindow *>("TForm2"), messages, input, "a.bmp"),
        PreviewOutcome::Shown);
    find<QRadioButton>("rbThumbs")->setChecked(true);
    list("fBox")->selectAll();
    click("bNxt1");
    tree("fNewDir")->setFolder(output);
    click("bNxt2");
    click("bNxt3");
    click("bGO");
    EXPECT_FALSE(pane->hasPicture());
    EXPECT_TRUE(pane->hint().isEmpty());
    EXPECT_TRUE(pane->isHidden() || pane->parentWidget()->isHidden());
    click("bStartOver");
    EXPECT_FALSE(pane->isHidden() || pane->parentWidget()->isHidden());
    EXPECT_FALSE(pane->hasPicture());
}

TEST_F(FileCommandsWindow, KeptRecycleBinSettingGoesThroughTheSettingsFile)
{
    write(settingsPath, "[Directories]\nRecycleBin=yes\n");
    open();
    EXPECT_FALSE(find<QCheckBox>("cbRecycle")->isChecked());
    find<QCheckBox>("cbRecycle")->setChecked(true);
    window.reset();
    EXPECT_EQ(
        IniFile::Open(settingsPath).value("Directories", "RecycleBin"), QStringLiteral("Yes"));
    open();
    EXPECT_TRUE(find<QCheckBox>("cbRecycle")->isChecked());
    find<QCheckBox>("cbRecycle")->setChecked(false);
    window.reset();
    EXPECT_EQ(IniFile::Open(settingsPath).value("Directories", "RecycleBin"), QStringLiteral("No"));
}

TEST_F(FileCommandsWindow, InputPageScreenshot)
{
    for (const char *name : { "beach.jpg", "harbour.jpg", "sunset.gif" })
        write(input + "/" + name, name);
    open();
    window->show();
    highlight({ "harbour.jpg" });
    click("bRenInd");
    EXPECT_FALSE(SaveScreenshot(*window, "TForm1-file-commands").isEmpty());
    click("bRenameCan");
    window->hide();
}

} // namespace
} // namespace pixmaro::test
