// Tests of the deletion confirmation and the create-folder dialog, answered without a person.
#include "filecmds/ConfirmDeleteDialog.h"
#include "settings/IniFile.h"
#include "support/FakeMessages.h"
#include "support/Screenshots.h"
#include "support/TempFiles.h"
#include "ui/CreateFolderDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::FakeMessages;

// Answers the next modal dialog by clicking its child button `name`.
void AnswerWith(const char *name)
{
    QTimer::singleShot(0, [name] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        modal->findChild<QPushButton *>(QLatin1String(name))->click();
    });
}

TEST(ConfirmDeleteDialog, KeptRecycleBinSettingRoundTrip)
{
    const struct {
        const char *stored;
        bool checked;
    } rows[] = { { "", true }, { "RecycleBin=Yes\n", true }, { "RecycleBin=yes\n", false },
        { "RecycleBin=No\n", false }, { "RecycleBin=YES\n", false } };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored);
        QTemporaryDir dir;
        const QString path = test::WriteFile(
            dir.filePath("Pixmaro.ini"), QByteArray("[Directories]\n") + row.stored);
        FakeMessages messages;
        IniFile ini = IniFile::Open(path);
        {
            ConfirmDeleteDialog dialog(DeleteConfirmSettings::Load(ini), messages);
            auto *box = dialog.findChild<QCheckBox *>("cbRecycle");
            EXPECT_EQ(box->isChecked(), row.checked);
            EXPECT_EQ(box->text(), "Delete to Recycle Bin");
            // The user's change holds for the next deletion and is what is kept at the end.
            box->setChecked(!row.checked);
            EXPECT_EQ(dialog.toRecycleBin(), !row.checked);
            dialog.keptSettings().save(ini);
        }
        ASSERT_FALSE(ini.save());
        EXPECT_EQ(IniFile::Open(path).value("Directories", "RecycleBin"),
            row.checked ? QStringLiteral("No") : QStringLiteral("Yes"));
    }
}

TEST(ConfirmDeleteDialog, AsksForTheCountAndAnswersYesOnlyForYes)
{
    FakeMessages messages;
    ConfirmDeleteDialog dialog(DeleteConfirmSettings {}, messages);
    EXPECT_EQ(dialog.objectName(), "TForm4");
    EXPECT_EQ(dialog.windowTitle(), "Confirm File Deletion");

    AnswerWith("bYesDel");
    EXPECT_TRUE(dialog.confirmDeletion(1));
    EXPECT_EQ(dialog.findChild<QLabel *>("lNumDel")->text(), "Confirm deletion of 1 files...");
    AnswerWith("bNoDel");
    EXPECT_FALSE(dialog.confirmDeletion(3));
    EXPECT_EQ(dialog.findChild<QLabel *>("lNumDel")->text(), "Confirm deletion of 3 files...");
    QTimer::singleShot(
        0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_FALSE(dialog.confirmDeletion(2));

    const QString note = "You can delete files immediately by unselecting the Recycle Bin option.  "
                         "It's faster, but you will not be able to recover them.";
    auto *image = dialog.findChild<QLabel *>("Image1");
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(messages.texts, QStringList { note });
    // The note is reachable from the keyboard as well.
    EXPECT_EQ(image->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(image, Qt::Key_Space);
    QTest::keyClick(image, Qt::Key_Return);
    EXPECT_EQ(messages.texts, (QStringList { note, note, note }));

    dialog.findChild<QLabel *>("lNumDel")->setText("Confirm deletion of 12345 files...");
    dialog.show();
    EXPECT_FALSE(test::SaveScreenshot(dialog, "TForm4").isEmpty());
    dialog.hide();
}

class CreateFolderDialogTest : public ::testing::Test {
protected:
    QLineEdit *field(CreateFolderDialog &dialog)
    {
        return dialog.findChild<QLineEdit *>("eFolder");
    }
    QTemporaryDir dir;
    FakeMessages messages;
};

TEST_F(CreateFolderDialogTest, MakesATypedRelativePathWithEveryLevelAfterAsking)
{
    QDir().mkpath(dir.filePath("start"));
    CreateFolderDialog dialog(dir.filePath("start"), messages);
    EXPECT_EQ(field(dialog)->text(), dir.filePath("start"));
    EXPECT_EQ(field(dialog)->accessibleName(), "Folder");
    field(dialog)->setText("a/b/c");
    messages.answers = { MessageAnswer::Yes };
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenFolder(), dir.filePath("start/a/b/c"));
    EXPECT_TRUE(QFileInfo(dir.filePath("start/a/b/c")).isDir());
    EXPECT_EQ(
        messages.texts, QStringList { "Create the folder " + dir.filePath("start/a/b/c") + "?" });
}

TEST_F(CreateFolderDialogTest, NoAnswerOrAFailureKeepsTheDialogOpen)
{
    const QString file = test::WriteFile(dir.filePath("file"), "F");
    CreateFolderDialog dialog(dir.path(), messages);
    dialog.setResult(QDialog::Rejected);

    field(dialog)->setText(dir.filePath("new"));
    messages.answers = { MessageAnswer::No };
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new")));

    // A level that is a file: the creation fails, is reported, and OK is not the answer.
    field(dialog)->setText("file/sub");
    messages.answers = { MessageAnswer::Yes };
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.chosenFolder().isEmpty());
    EXPECT_EQ(messages.texts.last(), "Could not create the folder " + dir.filePath("file/sub"));
    EXPECT_EQ(test::ReadFile(file), "F");

    // The file itself is no folder either.
    field(dialog)->setText(file);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    // An empty field does nothing.
    const qsizetype shown = messages.texts.size();
    field(dialog)->setText("  ");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.texts.size(), shown);

    // An existing folder is confirmed without a question.
    field(dialog)->setText(dir.path());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenFolder(), dir.path());
    EXPECT_EQ(messages.texts.size(), shown);
}

TEST_F(CreateFolderDialogTest, StartsAtTheNearestFolderAndFollowsTheTree)
{
    QDir().mkpath(dir.filePath("a/b"));
    CreateFolderDialog dialog(dir.filePath("a/b/gone"), messages);
    EXPECT_EQ(field(dialog)->text(), dir.filePath("a/b"));
    dialog.resize(460, 380);
    dialog.show();
    auto *tree = dialog.findChild<QTreeView *>("dirTree");
    QTRY_VERIFY(tree->currentIndex().isValid());
    tree->setCurrentIndex(tree->currentIndex().parent());
    EXPECT_EQ(field(dialog)->text(), dir.filePath("a"));
    EXPECT_EQ(dialog.treeFolder(), dir.filePath("a"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(test::SaveScreenshot(dialog, "CreateFolderDialog").isEmpty());
}

} // namespace
} // namespace pixmaro
