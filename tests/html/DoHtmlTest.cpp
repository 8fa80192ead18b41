// The whole gallery through the windows: a thumbnail run, then "Do HTML!" with the location
// dialog, the options dialog and the editor.
#include "html/DoHtml.h"

#include "editor/HtmlEditorWindow.h"
#include "html/HrefPromptDialog.h"
#include "html/HtmlOptionsDialog.h"
#include "html/HtmlOutputDialog.h"
#include "job/BatchRunner.h"
#include "support/FakeMessages.h"
#include "support/FakeRunHost.h"
#include "support/FakeShell.h"
#include "support/ModalDialogs.h"
#include "support/TempFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::FakeMessages;
using test::FakeShell;
using test::ReadFile;
using test::WithNextModal;

class DoHtmlFlow : public ::testing::Test {
protected:
    DoHtmlFlow()
    {
        options.setHrefPrompt(&prompt);
        // The pictures of the samples folder, thumbnailed into photos/thumbs.
        const QDir samples(QStringLiteral(PIXMARO_TEST_DATA "/../../samples"));
        QDir(root()).mkpath("photos/thumbs");
        for (const QString &name : samples.entryList(QDir::Files, QDir::Name)) {
            QFile::copy(samples.filePath(name), photos() + u'/' + name);
            files << name;
        }
        job.InputFolder = photos();
        job.OutputFolder = thumbs();
        job.KeepRatio = true;
        test::FakeRunHost host(job);
        EXPECT_EQ(runner.bGOClick(host, files), RunOutcome::Completed);
    }
    ~DoHtmlFlow() override { editor.hide(); }

    QString root() const { return QDir::cleanPath(dir.path()); }
    QString photos() const { return root() + "/photos"; }
    QString thumbs() const { return root() + "/photos/thumbs"; }

    /// Answers the location dialog with `name` (and checks the folder it opened on), then the
    /// options dialog with `confirmOptions`, around one "Do HTML!".
    bool doHtml(const QString &name, bool confirmOptions, const QString &folder = QString())
    {
        WithNextModal<HtmlOutputDialog>(
            [=, this](HtmlOutputDialog *d) {
                openedOn = d->chosenFolder();
                if (!folder.isEmpty())
                    d->setFolder(folder);
                d->findChild<QLineEdit *>("eFileName")->setText(name);
                d->findChild<QPushButton *>("bOK")->click();
            },
            "TfDlgOutHTML");
        WithNextModal<HtmlOptionsDialog>(
            [=, this](HtmlOptionsDialog *d) {
                optionsCaption = d->windowTitle();
                d->findChild<QPushButton *>(confirmOptions ? "bOK2" : "bCancel2")->click();
            },
            "TForm6");
        return DoHtml(location, options, editor, runner.state(), job, messages);
    }

    QTemporaryDir dir;
    QStringList files;
    JobSettings job;
    BatchRunner runner;
    FakeMessages messages;
    FakeShell shell;
    HtmlOutputDialog location { messages, shell };
    HtmlOptionsDialog options { messages };
    HrefPromptDialog prompt { messages };
    HtmlEditorWindow editor { messages, shell };
    QString openedOn, optionsCaption;
};

TEST_F(DoHtmlFlow, ThumbnailJobToEditor)
{
    ASSERT_EQ(files.size(), 6);
    ASSERT_TRUE(doHtml("MyWeb.htm", true));
    EXPECT_EQ(openedOn, thumbs());
    EXPECT_EQ(optionsCaption, "HTML Options - " + thumbs() + "/MyWeb.htm - 6 Files");
    const QString page = thumbs() + "/MyWeb.htm";
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.CurrentFile(), page);
    EXPECT_EQ(editor.windowTitle(), "HTML Editor: " + page);
    EXPECT_TRUE(messages.shown.empty());

    // Every image and link of the page names a file that is there.
    const QByteArray html = ReadFile(page);
    EXPECT_EQ(html, (editor.text().replace("\n", "\r\n")).toUtf8());
    const QRegularExpression reference(QStringLiteral("(?:SRC|HREF)=\"([^\"]+)\""));
    int images = 0;
    for (const auto &match : reference.globalMatch(QString::fromUtf8(html))) {
        const QString address = QUrl::fromPercentEncoding(match.captured(1).toUtf8());
        EXPECT_TRUE(QFileInfo::exists(thumbs() + u'/' + address)) << address.toStdString();
        images += match.captured(0).startsWith("SRC");
    }
    EXPECT_EQ(images, 6);
}

TEST_F(DoHtmlFlow, CancelledDialogsWriteNothing)
{
    WithNextModal<HtmlOutputDialog>([](HtmlOutputDialog *d) { d->reject(); }, "TfDlgOutHTML");
    EXPECT_FALSE(DoHtml(location, options, editor, runner.state(), job, messages));
    // An existing page, "Overwrite file?" answered OK, then the options cancelled.
    test::WriteFile(thumbs() + "/MyWeb.htm", "old");
    messages.answers = { MessageAnswer::Ok };
    EXPECT_FALSE(doHtml("MyWeb.htm", false));
    EXPECT_EQ(messages.texts, QStringList { kOverwriteQuestion });
    EXPECT_EQ(ReadFile(thumbs() + "/MyWeb.htm"), "old");
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(DoHtmlFlow, FramesThenTablesAndAFailedWrite)
{
    options.findChild<QCheckBox *>("cbFrames")->click();
    ASSERT_TRUE(doHtml("show.htm", true, root()));
    EXPECT_EQ(editor.CurrentFile(), root() + "/showt.htm");
    EXPECT_EQ(editor.BrowseFile(), root() + "/show.htm");
    // Addresses from the page's folder into photos/ and photos/thumbs/.
    EXPECT_TRUE(ReadFile(root() + "/showt.htm").contains("SRC=\"photos/thumbs/Thumb001"));

    options.findChild<QCheckBox *>("cbFrames")->click();
    ASSERT_TRUE(doHtml("MyWeb.htm", true));
    EXPECT_TRUE(editor.BrowseFile().isEmpty()); // emptied by every generation
    EXPECT_EQ(editor.CurrentFile(), thumbs() + "/MyWeb.htm");

    // The chosen folder is gone by the time the page is written: one message, editor as it was.
    QDir(root()).mkdir("gone");
    WithNextModal<HtmlOptionsDialog>(
        [&](HtmlOptionsDialog *d) {
            QDir(root() + "/gone").removeRecursively();
            d->findChild<QPushButton *>("bOK2")->click();
        },
        "TForm6");
    WithNextModal<HtmlOutputDialog>(
        [&](HtmlOutputDialog *d) {
            d->setFolder(root() + "/gone");
            d->findChild<QPushButton *>("bOK")->click();
        },
        "TfDlgOutHTML");
    EXPECT_FALSE(DoHtml(location, options, editor, runner.state(), job, messages));
    EXPECT_EQ(messages.texts, QStringList { "Cannot create file " + root() + "/gone/MyWeb.htm" });
    EXPECT_EQ(editor.CurrentFile(), thumbs() + "/MyWeb.htm");
    EXPECT_TRUE(editor.findChild<QPushButton *>("bBrowse")->isEnabled());
}

} // namespace
} // namespace pixmaro
