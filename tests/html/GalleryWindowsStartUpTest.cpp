// The gallery's windows in the program: created after the main window with their kept settings,
// reached through "Do HTML!", reset with the others and written at exit.
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "editor/HtmlEditorWindow.h"
#include "filecmds/ConfirmDeleteDialog.h"
#include "html/HtmlOptionsDialog.h"
#include "html/HtmlOutputDialog.h"
#include "settings/IniFile.h"
#include "support/FakeShell.h"
#include "support/ModalDialogs.h"
#include "support/TempFiles.h"
#include "ui/FileListBox.h"
#include "ui/FolderTree.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::WithNextModal;

/// Presses `button` in the next message box, keeping its text.
void AnswerBox(QMessageBox::StandardButton button, QString *text)
{
    WithNextModal<QMessageBox>([=](QMessageBox *box) {
        *text = box->text();
        box->button(button)->click();
    });
}

TEST(GalleryWindowsInTheProgram, CreatedInOrderLoadedUsedAndWrittenAtExit)
{
    QTemporaryDir dir;
    const QString folder = QDir::cleanPath(dir.path());
    const QString ini = test::WriteFile(folder + "/Pixmaro.ini",
        "[Directories]\nhtmlName=album.htm\nOutput=" + folder.toUtf8()
            + "\n[Layout]\nBannerString=Trip\nUseFrames=1\n[Linking]\nLinkOriginal=0\n");
    test::FakeShell shell;
    {
        Program program(shell, ini, std::chrono::milliseconds(0));
        MainWindow &form1 = program.mainWindow();
        QStringList order;
        for (QObject *child : form1.children()) {
            if (child->isWidgetType() && child->objectName().startsWith('T'))
                order << child->objectName();
        }
        // After the duplicate-names dialog and the deletion confirmation, in their own order.
        const QStringList gallery { "TfHTM", "TfAbout", "TForm6", "TForm5", "TfDlgOutHTML",
            "THRFPrmpt" };
        EXPECT_EQ(order.mid(order.indexOf("TfHTM")), gallery);
        EXPECT_LT(order.indexOf("TForm3"), order.indexOf("TfHTM"));
        EXPECT_LT(order.indexOf("TForm4"), order.indexOf("TfHTM"));

        // Loaded with the click rules: frames without the link stay off, no question asked.
        HtmlOptionsDialog &form6 = program.htmlOptionsDialog();
        EXPECT_EQ(form6.options().BannerString, "Trip");
        EXPECT_FALSE(form6.options().UseFrames);
        EXPECT_EQ(program.htmlOutputDialog().chosenFileName(), "album.htm");

        // "Do HTML!" after no run at all: the page lands in the chosen folder and the editor.
        auto *bHTML = form1.findChild<QPushButton *>("bHTML");
        // Usable once the gallery's windows exist (its page is reached only after a run).
        ASSERT_FALSE(bHTML->testAttribute(Qt::WA_ForceDisabled));
        WithNextModal<HtmlOutputDialog>(
            [&](HtmlOutputDialog *d) {
                d->setFolder(folder);
                d->findChild<QPushButton *>("bOK")->click();
            },
            "TfDlgOutHTML");
        QString caption;
        WithNextModal<HtmlOptionsDialog>(
            [&](HtmlOptionsDialog *d) {
                caption = d->windowTitle();
                d->findChild<QLineEdit *>("eBanr")->setText("Trip 2");
                d->findChild<QPushButton *>("bOK2")->click();
            },
            "TForm6");
        Q_EMIT bHTML->clicked();
        EXPECT_EQ(caption, "HTML Options - " + folder + "/album.htm - 0 Files");
        HtmlEditorWindow &editor = program.htmlEditor();
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(editor.CurrentFile(), folder + "/album.htm");
        EXPECT_TRUE(test::ReadFile(folder + "/album.htm").contains("Trip 2"));

        // The program ends with an edit in the editor: its question first, then the settings.
        editor.findChild<QPlainTextEdit *>("Memo1")->insertPlainText("x");
        QString question;
        AnswerBox(QMessageBox::No, &question);
        form1.close();
        EXPECT_EQ(question, "Save File?\n" + QString::fromLatin1(kSaveNote));
        program.htmlOutputDialog().findChild<QLineEdit *>("eFileName")->setText("trip.htm");
    }
    const IniFile written = IniFile::Open(ini);
    EXPECT_EQ(written.readString("Layout", "BannerString", ""), "Trip 2");
    EXPECT_EQ(written.readString("Directories", "htmlName", ""), "trip.htm");

    // The reset puts the defaults into the gallery's windows too, written at exit.
    {
        Program program(shell, ini, std::chrono::milliseconds(0));
        QString text;
        AnswerBox(QMessageBox::Yes, &text);
        program.mainWindow().sbDefaultsClick();
        EXPECT_EQ(program.htmlOptionsDialog().options().BannerString, "Pixmaro");
        EXPECT_EQ(program.htmlOutputDialog().chosenFileName(), "MyWeb.htm");
    }
    const IniFile reset = IniFile::Open(ini);
    EXPECT_EQ(reset.readString("Layout", "BannerString", ""), "Pixmaro");
    EXPECT_EQ(reset.readString("Directories", "htmlName", ""), "MyWeb.htm");
}

TEST(GalleryWindowsInTheProgram, LocationDialogDeletesAfterTheDeletionConfirmation)
{
    QTemporaryDir dir;
    const QString folder = QDir::cleanPath(dir.path());
    for (const char *name : { "a.htm", "b.htm", "c.htm" })
        test::WriteFile(folder + "/" + name, "x");
    test::FakeShell shell;
    Program program(shell, folder + "/Pixmaro.ini", std::chrono::milliseconds(0));
    HtmlOutputDialog &location = program.htmlOutputDialog();
    location.prepareToShow(folder);
    auto *list = location.findChild<QListWidget *>("lbFiles");
    ASSERT_EQ(list->count(), 3);

    struct Row {
        bool recycle;
        const char *button;
    };
    QString countLine;
    for (const Row row :
        { Row { true, "bNoDel" }, Row { true, "bYesDel" }, Row { false, "bYesDel" } }) {
        list->item(0)->setSelected(true);
        WithNextModal<ConfirmDeleteDialog>(
            [&](ConfirmDeleteDialog *form4) {
                countLine = form4->findChild<QLabel *>("lNumDel")->text();
                form4->findChild<QCheckBox *>("cbRecycle")->setChecked(row.recycle);
                form4->findChild<QPushButton *>(row.button)->click();
            },
            "TForm4");
        location.DeleteSelectedClick();
        EXPECT_EQ(countLine, "Confirm deletion of 1 files...");
    }
    // No deleted nothing; Yes sent "a.htm" to the trash, then "b.htm" was deleted for good.
    EXPECT_EQ(shell.callsOf("trash"),
        (std::vector<test::FakeShell::Call> { { "trash", { folder + "/a.htm" } } }));
    EXPECT_FALSE(QFileInfo::exists(folder + "/b.htm"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "c.htm");
}

TEST(GalleryWindowsInTheProgram, ThumbnailWizardThenDoHtmlToTheEditor)
{
    // The sample pictures, thumbnailed through the wizard into photos/thumbs.
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    const QString photos = root + "/photos", thumbs = root + "/photos/thumbs";
    QDir().mkpath(thumbs);
    const QDir samples(QStringLiteral(PIXMARO_TEST_DATA "/../../samples"));
    for (const QString &name : samples.entryList(QDir::Files))
        QFile::copy(samples.filePath(name), photos + u'/' + name);
    test::FakeShell shell;
    Program program(shell, root + "/Pixmaro.ini", std::chrono::milliseconds(0));
    MainWindow &form1 = program.mainWindow();
    form1.findChild<FolderTree *>("fDir")->setFolder(photos);
    form1.findChild<QRadioButton *>("rbThumbs")->setChecked(true);
    form1.findChild<FileListBox *>("fBox")->selectAll();
    form1.findChild<QPushButton *>("bNxt1")->click();
    form1.findChild<FolderTree *>("fNewDir")->setFolder(thumbs);
    form1.findChild<QPushButton *>("bNxt2")->click();
    form1.findChild<QPushButton *>("bNxt3")->click();
    form1.findChild<QPushButton *>("bGO")->click();
    ASSERT_EQ(form1.runState().ProcessedCount, 6);

    WithNextModal<HtmlOutputDialog>(
        [](HtmlOutputDialog *d) { d->findChild<QPushButton *>("bOK")->click(); }, "TfDlgOutHTML");
    WithNextModal<HtmlOptionsDialog>(
        [](HtmlOptionsDialog *d) { d->findChild<QPushButton *>("bOK2")->click(); }, "TForm6");
    form1.findChild<QPushButton *>("bHTML")->click();

    // The page opened on the run's output folder, in the editor, every reference a file.
    const QString page = thumbs + "/MyWeb.htm";
    EXPECT_EQ(program.htmlEditor().CurrentFile(), page);
    const QString html = QString::fromUtf8(test::ReadFile(page));
    int images = 0;
    const QRegularExpression reference(QStringLiteral("(SRC|HREF)=\"([^\"]+)\""));
    for (const auto &match : reference.globalMatch(html)) {
        const QString address = QUrl::fromPercentEncoding(match.captured(2).toUtf8());
        EXPECT_TRUE(QFileInfo::exists(thumbs + u'/' + address)) << address.toStdString();
        images += match.captured(1) == "SRC";
    }
    EXPECT_EQ(images, 6);

    // Kept for the browser test when it asks for the gallery.
    if (const QByteArray keep = qgetenv("PIXMARO_KEEP_GALLERY"); !keep.isEmpty()) {
        const QString target = QFile::decodeName(keep);
        QDir().mkpath(target + "/photos/thumbs");
        for (const QString &name : QDir(photos).entryList(QDir::Files))
            QFile::copy(photos + u'/' + name, target + "/photos/" + name);
        for (const QString &name : QDir(thumbs).entryList(QDir::Files))
            QFile::copy(thumbs + u'/' + name, target + "/photos/thumbs/" + name);
    }
}

} // namespace
} // namespace pixmaro
