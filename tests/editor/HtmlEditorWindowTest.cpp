// Tests of the HTML viewer/editor: generated pages, its questions, file bytes, find and replace,
// the font dialog and the programs it starts.
#include "editor/HtmlEditorWindow.h"

#include "editor/EditorFontDialog.h"
#include "editor/FindReplaceDialog.h"
#include "support/AccessibleNames.h"
#include "support/FakeMessages.h"
#include "support/FakeShell.h"
#include "support/ModalDialogs.h"
#include "support/Screenshots.h"
#include "support/TempFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>

#include <deque>
#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::FakeMessages;
using test::FakeShell;
using test::ReadFile;
using test::WriteFile;

const QString kPage = QStringLiteral("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>");

class Editor : public ::testing::Test {
protected:
    Editor()
    {
        editor.setFileChoosers(
            [this](QWidget *, const QString &preset) {
                savePresets << preset;
                return next(saveAnswers);
            },
            [this](QWidget *, const QString &folder) {
                openFolders << folder;
                return next(openAnswers);
            });
    }
    ~Editor() override { editor.hide(); }

    static QString next(std::deque<QString> &answers)
    {
        if (answers.empty())
            return QString();
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString path(const QString &name) const { return dir.path() + u'/' + name; }
    QPlainTextEdit *memo() { return editor.findChild<QPlainTextEdit *>("Memo1"); }
    void click(const char *name) { editor.findChild<QAbstractButton *>(name)->click(); }
    /// Types `text` at the very start of the text.
    void type(const QString &text)
    {
        QTextCursor start = memo()->textCursor();
        start.setPosition(0);
        memo()->setTextCursor(start);
        memo()->insertPlainText(text);
    }
    /// A page shown as the generator shows it, in a file of the temporary folder.
    QString showPage(const QString &name = QStringLiteral("MyWeb.htm"))
    {
        editor.ShowGeneratedPage(kPage, path(name), dir.path(), QString());
        return path(name);
    }

    QTemporaryDir dir;
    FakeMessages messages;
    FakeShell shell;
    HtmlEditorWindow editor { messages, shell };
    std::deque<QString> saveAnswers, openAnswers;
    QStringList savePresets, openFolders;
};

TEST_F(Editor, GeneratedPageIsStoredWithCrLfAndAnImmediateSaveKeepsItsBytes)
{
    EXPECT_EQ(editor.windowTitle(), "HTML Viewer");
    const QString page = showPage();
    EXPECT_EQ(ReadFile(page), (kPage + "\r\n").toUtf8());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), "HTML Editor: " + page);
    EXPECT_EQ(editor.CurrentFile(), page);
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(memo()->textCursor().position(), 1);

    saveAnswers = { path("copy.htm") };
    click("bSaveIt");
    EXPECT_EQ(savePresets, QStringList { page });
    EXPECT_EQ(ReadFile(path("copy.htm")), ReadFile(page));
    EXPECT_EQ(editor.CurrentFile(), path("copy.htm"));
    EXPECT_EQ(editor.windowTitle(), "HTML Editor: " + page); // the caption stays

    click("bOK"); // nothing to save: closes at once
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(Editor, AFailedPageWriteChangesNothing)
{
    const QString first = showPage();
    type("edit");
    messages.answers = { MessageAnswer::No }; // do not save the edits
    const QString unwritable = path("missing/MyWeb.htm");
    try {
        editor.ShowGeneratedPage("<P>new</P>", unwritable, dir.path(), "frames.htm");
        FAIL() << "no failure reported";
    } catch (const std::runtime_error &e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), "Cannot create file " + unwritable);
    }
    EXPECT_EQ(editor.CurrentFile(), first);
    EXPECT_TRUE(editor.BrowseFile().isEmpty());
    EXPECT_TRUE(editor.text().startsWith("edit<HTML>\n"));
    EXPECT_EQ(editor.windowTitle(), "HTML Editor: " + first);
    EXPECT_EQ(messages.texts, QStringList { SaveFileQuestion() }); // reported once, by the caller
}

TEST_F(Editor, EditsAreOfferedForSavingBeforeANewPageAndAtExit)
{
    showPage();
    type("x");
    // Yes, but the chosen place cannot be written: asked again; then Yes into a good file.
    messages.answers = { MessageAnswer::Yes, MessageAnswer::Yes };
    saveAnswers = { path("missing/kept.htm"), path("kept.htm") };
    showPage("second.htm");
    EXPECT_EQ(messages.texts,
        QStringList({ SaveFileQuestion(), "Cannot create file " + path("missing/kept.htm"),
            SaveFileQuestion() }));
    EXPECT_TRUE(ReadFile(path("kept.htm")).startsWith("x<HTML>\r\n"));
    EXPECT_EQ(editor.CurrentFile(), path("second.htm"));

    messages.texts.clear();
    editor.saveEditsBeforeExit(); // nothing edited: no question
    type("y");
    messages.answers = { MessageAnswer::No };
    editor.saveEditsBeforeExit();
    EXPECT_EQ(messages.texts, QStringList { SaveFileQuestion() });
    EXPECT_EQ(ReadFile(path("second.htm")), (kPage + "\r\n").toUtf8());
}

TEST_F(Editor, OkAsksSaveFileWithItsNote)
{
    const QString page = showPage();
    type("z");
    messages.answers = { MessageAnswer::No };
    click("bOK");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
        "Save File?\r(NOTE - if you changed the relative reference to images, or save the html in "
        "a different location, your html may not work correctly)");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(ReadFile(page), (kPage + "\r\n").toUtf8()); // unchanged on disk

    editor.show();
    messages.answers = { MessageAnswer::Yes };
    saveAnswers = { path("missing/x.htm") }; // a failed save keeps the window open
    click("bOK");
    EXPECT_TRUE(editor.isVisible());
    messages.answers = { MessageAnswer::Yes };
    saveAnswers = { path("saved.htm") };
    click("bOK");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(ReadFile(path("saved.htm")).startsWith("z<HTML>"));
    EXPECT_EQ(editor.CurrentFile(), page); // that save does not rebind
    EXPECT_TRUE(editor.isModified());

    // A window that holds no file asks even without edits.
    HtmlEditorWindow fresh(messages, shell);
    messages.texts.clear();
    fresh.bOKClick();
    EXPECT_EQ(messages.texts, QStringList { SaveFileQuestion() });
}

TEST_F(Editor, OpenFileAsksAboutChangesAndAFailedSaveStopsIt)
{
    showPage();
    const QString other = WriteFile(path("other.htm"), "<P>other</P>\r\n");
    editor.ShowGeneratedPage(kPage, path("frames_t.htm"), dir.path(), path("frames.htm"));
    type("q");
    messages.answers = { MessageAnswer::Yes };
    saveAnswers = { path("missing/q.htm") };
    click("bOpenIt");
    EXPECT_EQ(messages.texts.first(), FileChangedQuestion());
    EXPECT_TRUE(openFolders.isEmpty()); // stopped before the open dialog
    EXPECT_TRUE(editor.isModified());

    messages.answers = { MessageAnswer::No };
    openAnswers = { other };
    click("bOpenIt");
    EXPECT_EQ(openFolders, QStringList { dir.path() });
    EXPECT_EQ(editor.text(), "<P>other</P>\n");
    EXPECT_EQ(editor.CurrentFile(), other);
    EXPECT_TRUE(editor.BrowseFile().isEmpty());
    EXPECT_EQ(editor.windowTitle(), "HTML Editor: " + other);
    EXPECT_FALSE(editor.isModified());

    messages.texts.clear();
    openAnswers = { path("gone.htm") };
    click("bOpenIt");
    EXPECT_EQ(messages.texts, QStringList { "Cannot open file " + path("gone.htm") });
    EXPECT_EQ(editor.CurrentFile(), other);
}

TEST_F(Editor, OpenInBrowserAnswersAndFailedSaves)
{
    // No file yet: must be saved first.
    type("<P>");
    messages.answers = { MessageAnswer::No };
    click("bBrowse");
    EXPECT_EQ(messages.texts, QStringList { kMustBeSavedQuestion });
    messages.answers = { MessageAnswer::Yes };
    click("bBrowse"); // the save dialog cancelled
    EXPECT_TRUE(shell.calls.empty());
    messages.answers = { MessageAnswer::Yes };
    saveAnswers = { path("new.htm") };
    click("bBrowse");
    EXPECT_EQ(editor.CurrentFile(), path("new.htm"));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0], (FakeShell::Call { "open", { path("new.htm") } }));

    // Changed: Cancel stops, No opens the file as last saved, Yes saves first.
    type("a");
    messages.texts.clear();
    messages.answers = { MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes };
    click("bBrowse");
    EXPECT_EQ(messages.texts, QStringList { kSaveChangesQuestion });
    EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(shell.calls.size(), 1u);
    click("bBrowse");
    EXPECT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(ReadFile(path("new.htm")), "<P>\r\n");
    click("bBrowse");
    EXPECT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(ReadFile(path("new.htm")), "a<P>\r\n");
    EXPECT_FALSE(editor.isModified());

    // A failed save opens nothing: the browser would show the stale file.
    QDir(dir.path()).mkdir("sub");
    editor.ShowGeneratedPage(kPage, path("sub/page.htm"), dir.path(), path("sub/frames.htm"));
    type("b");
    QDir(path("sub")).removeRecursively();
    messages.answers = { MessageAnswer::Yes };
    click("bBrowse");
    EXPECT_EQ(shell.calls.size(), 3u);
    EXPECT_TRUE(messages.texts.contains("Cannot create file " + path("sub/page.htm")));
    // Without changes the frameset page set by the frames output is what opens.
    messages.answers = { MessageAnswer::No };
    click("bBrowse");
    EXPECT_EQ(shell.calls.back(), (FakeShell::Call { "open", { path("sub/frames.htm") } }));
    editor.setBrowseEnabled(false);
    EXPECT_FALSE(editor.findChild<QPushButton *>("bBrowse")->isEnabled());
}

TEST_F(Editor, OpenThenSaveKeepsTheBytesOfEveryKindOfFile)
{
    struct Row {
        const char *name;
        QByteArray bytes;
        QByteArray saved;
    };
    const Row rows[] = {
        { "crlf.htm", "<P>\r\n</P>\r\n", "<P>\r\n</P>\r\n" },
        { "lf.htm", "<P>\n</P>\n", "<P>\r\n</P>\r\n" },
        { "cr.htm", "<P>\r</P>\r", "<P>\r\n</P>\r\n" },
        { "nbsp.htm",
            "a\xC2\xA0"
            "b\r\n",
            "a\xC2\xA0"
            "b\r\n" },
        { "latin1.htm", "caf\xE9\xA0\xFF\r\n", "caf\xE9\xA0\xFF\r\n" },
    };
    for (const Row &row : rows) {
        const QString file = WriteFile(path(row.name), row.bytes);
        openAnswers = { file };
        click("bOpenIt");
        saveAnswers = { path(QStringLiteral("saved-") + row.name) };
        click("bSaveIt");
        EXPECT_EQ(ReadFile(path(QStringLiteral("saved-") + row.name)), row.saved) << row.name;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Editor, SelectionCommandsUndoRedoAndPrograms)
{
    showPage();
    click("bSelAll");
    EXPECT_EQ(memo()->textCursor().selectedText().size(), memo()->document()->characterCount() - 1);
    click("bDelSel");
    EXPECT_FALSE(memo()->textCursor().hasSelection());
    EXPECT_EQ(memo()->textCursor().position(), 0);

    type("new ");
    click("bUndo");
    EXPECT_FALSE(editor.text().startsWith("new"));
    click("bRedo");
    EXPECT_TRUE(editor.text().startsWith("new "));

    click("bNotepad");
    click("bWordpad");
    EXPECT_EQ(shell.calls,
        (std::vector<FakeShell::Call> {
            { "start", { "TextEditor" } }, { "start", { "WordProcessor" } } }));
}

TEST_F(Editor, FindAndReplaceDialogs)
{
    WriteFile(path("t.txt"), "cat Cat cat\n");
    openAnswers = { path("t.txt") };
    click("bOpenIt");
    QTextCursor c = memo()->textCursor();
    c.setPosition(0);
    c.setPosition(3, QTextCursor::KeepAnchor);
    memo()->setTextCursor(c);

    click("bFind");
    auto *find = editor.findChild<FindReplaceDialog *>("FindDialog1");
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->findText(), "cat");
    find->findChild<QCheckBox *>("cbMatchCase")->setChecked(true);
    find->findChild<QPushButton *>("bFindNext")->click();
    EXPECT_EQ(memo()->textCursor().selectionStart(), 8);
    find->findChild<QPushButton *>("bFindNext")->click(); // no wrap: stays
    EXPECT_EQ(memo()->textCursor().selectionStart(), 8);

    c.setPosition(0);
    memo()->setTextCursor(c);
    click("bReplace");
    auto *replace = editor.findChild<FindReplaceDialog *>("ReplaceDialog1");
    ASSERT_NE(replace, nullptr);
    EXPECT_EQ(replace->findText(), "cat"); // handed over from the find dialog
    replace->findChild<QLineEdit *>("eReplace")->setText("cats");
    replace->findChild<QPushButton *>("bReplaceAll")->click();
    EXPECT_EQ(editor.text(), "cats cats cats\n"); // case ignored here; "cats" never searched again
    click("bUndo");
    EXPECT_EQ(editor.text(), "cat Cat cat\n");

    click("bReplace"); // each opening empties the replacement
    EXPECT_EQ(replace->replaceText(), "");
    replace->findChild<QLineEdit *>("eFind")->setText("");
    replace->findChild<QPushButton *>("bReplaceAll")->click();
    replace->findChild<QPushButton *>("bReplace")->click();
    EXPECT_EQ(editor.text(), "cat Cat cat\n");

    c.setPosition(4);
    memo()->setTextCursor(c);
    replace->findChild<QLineEdit *>("eFind")->setText("cat");
    replace->findChild<QLineEdit *>("eReplace")->setText("dog");
    replace->findChild<QPushButton *>("bReplace")->click();
    EXPECT_EQ(editor.text(), "cat dog cat\n");
    EXPECT_EQ(memo()->textCursor().selectedText(), "dog");
    replace->findChild<QPushButton *>("bReplaceAll")->click(); // from the caret on
    EXPECT_EQ(editor.text(), "cat dog dog\n");
    replace->hide();
    find->hide();
}

TEST_F(Editor, FontDialogApplyActsAtOnceAndSurvivesCancel)
{
    EXPECT_EQ(memo()->font().family(), "Arial");
    EXPECT_EQ(memo()->font().pixelSize(), 11);
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    chosen.setItalic(true);
    QFont applied;
    QColor appliedColor;
    test::WithNextModal<EditorFontDialog>([&](EditorFontDialog *d) {
        d->setChoice(chosen, QColor(0x800000));
        d->findChild<QPushButton *>("bApply")->click();
        applied = memo()->font();
        appliedColor = memo()->palette().color(QPalette::Text);
        d->setChoice(QFont("DejaVu Sans", 30), Qt::black);
        d->findChild<QPushButton *>("bCancel")->click();
    });
    click("bFont");
    EXPECT_EQ(applied.pointSize(), 14);
    EXPECT_TRUE(applied.bold() && applied.italic());
    EXPECT_EQ(appliedColor, QColor(0x800000));
    EXPECT_EQ(memo()->font().pointSize(), 14); // Cancel keeps what Apply did
    EXPECT_EQ(memo()->palette().color(QPalette::Text), QColor(0x800000));

    test::WithNextModal<EditorFontDialog>([&](EditorFontDialog *d) {
        EXPECT_EQ(d->chosenFont().pointSize(), 14); // opens on the text's font
        QFont underlined = d->chosenFont();
        underlined.setUnderline(true);
        d->setChoice(underlined, QColor(0x008000));
        d->findChild<QPushButton *>("bOK")->click();
    });
    click("bFont");
    EXPECT_TRUE(memo()->font().underline());
    EXPECT_EQ(memo()->palette().color(QPalette::Text), QColor(0x008000));
}

TEST_F(Editor, EveryControlHasAName)
{
    click("bFind");
    click("bReplace");
    EXPECT_EQ(test::UnnamedControls(editor), QStringList());
    EXPECT_EQ(test::AccessibleName(memo()), "HTML Text");
    EXPECT_EQ(test::AccessibleName(editor.findChild<QWidget *>("bFont")), "Change Font...");
    EXPECT_EQ(test::AccessibleName(editor.findChild<QWidget *>("bOpenIt")), "Open File");
    editor.findChild<QWidget *>("FindDialog1")->hide();
    editor.findChild<QWidget *>("ReplaceDialog1")->hide();
    EditorFontDialog font;
    EXPECT_EQ(test::UnnamedControls(font, font.findChild<QWidget *>("fontChooser")), QStringList());
}

TEST_F(Editor, Screenshots)
{
    WriteFile(path("gallery.htm"),
        "<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n<HTML>\r\n<HEAD>\r\n<TITLE>Pixmaro</TITLE>\r\n"
        "</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\r\n<H1 ALIGN=\"center\">"
        "<FONT color=\"#000000\">Pixmaro</FONT></H1>\r\n<P "
        "align=\"center\">\r\n</BODY>\r\n</HTML>\r\n");
    openAnswers = { path("gallery.htm") };
    click("bOpenIt");
    editor.show();
    EXPECT_FALSE(test::SaveScreenshot(editor, "TfHTM").isEmpty());
    click("bFind");
    auto *find = editor.findChild<FindReplaceDialog *>("FindDialog1");
    find->adjustSize();
    EXPECT_FALSE(test::SaveScreenshot(*find, "TfHTM-find").isEmpty());
    find->hide();
    click("bReplace");
    auto *replace = editor.findChild<FindReplaceDialog *>("ReplaceDialog1");
    replace->adjustSize();
    EXPECT_FALSE(test::SaveScreenshot(*replace, "TfHTM-replace").isEmpty());
    replace->hide();
    test::WithNextModal<EditorFontDialog>([&](EditorFontDialog *d) {
        EXPECT_FALSE(test::SaveScreenshot(*d, "TfHTM-font").isEmpty());
        d->reject();
    });
    click("bFont");
}

} // namespace
} // namespace pixmaro
