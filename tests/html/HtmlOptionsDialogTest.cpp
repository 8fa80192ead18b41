// Tests of the HTML options dialog, its HREF prompt and its help window.
#include "html/HtmlOptionsDialog.h"

#include "html/HrefPromptDialog.h"
#include "html/HtmlOptionsHelpWindow.h"
#include "html/LinkModeGroup.h"
#include "settings/IniFile.h"
#include "support/AccessibleNames.h"
#include "support/FakeMessages.h"
#include "support/ModalDialogs.h"
#include "support/Screenshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::FakeMessages;
using test::WithNextModal;

class OptionsDialog : public ::testing::Test {
protected:
    OptionsDialog()
    {
        dialog.setHrefPrompt(&prompt);
        dialog.setHelpWindow(&help);
    }

    template <class T = QWidget> T *child(const char *name)
    {
        T *found = dialog.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QCheckBox *box(const char *name) { return child<QCheckBox>(name); }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(name); }
    bool shown(const char *name) { return !child(name)->isHidden(); }
    bool enabled(const char *name) { return child(name)->isEnabled(); }
    void pickMode(const char *group, int mode)
    {
        child<LinkModeGroup>(group)->findChildren<QRadioButton *>().at(mode)->click();
    }
    static void focusIn(QWidget *w)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w, &in);
    }
    static void focusOut(QWidget *w)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
    QByteArray stored() const
    {
        IniFile ini;
        dialog.options().save(ini);
        return ini.text();
    }

    FakeMessages messages;
    HtmlOptionsDialog dialog { messages };
    HrefPromptDialog prompt { messages };
    HtmlOptionsHelpWindow help;
};

TEST_F(OptionsDialog, FreshDialogHoldsTheDefaults)
{
    EXPECT_EQ(edit("eTBord")->text(), "1");
    EXPECT_EQ(edit("eTSpace")->text(), "2");
    EXPECT_EQ(edit("eBorder")->text(), "1");
    EXPECT_EQ(child<QComboBox>("cbTAlign")->currentText(), "Center");
    IniFile defaults;
    HtmlOptions().save(defaults);
    EXPECT_EQ(stored(), defaults.text());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsDialog, EveryCheckBoxRuleOnClick)
{
    box("cbBorder")->click();
    EXPECT_FALSE(shown("eBorder"));
    EXPECT_FALSE(shown("lBorder"));
    box("cbBorder")->click();
    EXPECT_TRUE(shown("eBorder") && shown("lBorder"));

    box("cbCaption")->click();
    for (const char *name : { "eCaption", "lTCap", "cbCAlign", "lCAlign" })
        EXPECT_FALSE(shown(name)) << name;
    box("cbTBColor")->click();
    EXPECT_FALSE(shown("cpTBkgd") || shown("lBColor"));
    box("cbCBColor")->click();
    EXPECT_TRUE(shown("cpCBkgd") && shown("lCColor"));

    child<QRadioButton>("rb1pg")->click();
    for (const char *name : { "lTperPg", "eTperPg", "gbNavBtns", "lMHelp" })
        EXPECT_FALSE(shown(name)) << name;
    child<QRadioButton>("rbMpg")->click();
    for (const char *name : { "lTperPg", "eTperPg", "gbNavBtns", "lMHelp" })
        EXPECT_TRUE(shown(name)) << name;

    box("cbAddNav")->click();
    for (const char *name : { "rbNavTop", "rbNavBot", "rbNavBoth" })
        EXPECT_FALSE(shown(name)) << name;

    box("cbUseTable")->click();
    for (const char *name :
        { "GroupBox3", "GroupBox4", "Label24", "gbPages", "gbNavBtns", "lMHelp" })
        EXPECT_FALSE(shown(name)) << name;
    box("cbUseTable")->click();
    EXPECT_TRUE(shown("GroupBox3") && shown("gbPages") && shown("lMHelp"));

    // Frames with the link on: no question, the frames state.
    box("cbFrames")->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(box("cbFrames")->isChecked());
    EXPECT_FALSE(
        enabled("cbUseTable") || enabled("eTCols") || enabled("cbTAlign") || enabled("cbCAlign"));
    EXPECT_TRUE(shown("lFrameHelp") && shown("cbBkgd") && shown("cbTxt"));
    EXPECT_FALSE(shown("lMHelp") || shown("gbPages") || shown("gbNavBtns") || shown("Label24"));
    EXPECT_FALSE(enabled("cbTxt"));
    box("cbBkgd")->click();
    EXPECT_TRUE(enabled("cbTxt"));

    box("cbFrames")->click();
    EXPECT_TRUE(enabled("cbUseTable") && enabled("eTCols") && enabled("cbTAlign"));
    EXPECT_FALSE(shown("lFrameHelp") || shown("cbBkgd") || shown("cbTxt"));
    EXPECT_TRUE(shown("lMHelp") && shown("gbPages") && shown("Label24"));

    // Unchecking the link while frames is on turns frames off with it.
    box("cbFrames")->click();
    box("cbHREF")->click();
    EXPECT_FALSE(box("cbFrames")->isChecked());
    EXPECT_FALSE(shown("eHREF") || shown("rgHREF"));
    EXPECT_TRUE(enabled("cbUseTable") && enabled("eTCols"));
    box("cbHREF")->click();
    EXPECT_TRUE(shown("eHREF") && shown("rgHREF"));
}

TEST_F(OptionsDialog, EveryRuleFromANonDefaultSettingsFile)
{
    // Every box the other way round from its default; each click then shows what it hid.
    const QByteArray file = "[Linking]\nLinkOriginal=0\nOriginalLinkOpt=3\n"
                            "[Layout]\nLinkBorder=0\nMultiPg=0\nUseNavBtns=0\nTileBkgd=1\n"
                            "[Tables]\nIncludeCaption=0\nUseBkgdColor=0\nUseCellColor=1\n"
                            "UseTables=0\n";
    struct Row {
        const char *click;
        std::vector<const char *> shownAfter;
        std::vector<const char *> hiddenAfter;
    };
    const Row rows[] = {
        { "cbHREF", { "rgHREF" }, { "eHREF" } }, // the generic mode keeps the address hidden
        { "cbBorder", { "eBorder", "lBorder" }, {} },
        { "cbCaption", { "eCaption", "lTCap", "cbCAlign", "lCAlign" }, {} },
        { "cbTBColor", { "cpTBkgd", "lBColor" }, {} },
        { "cbCBColor", {}, { "cpCBkgd", "lCColor" } },
        { "cbUseTable", { "GroupBox3", "GroupBox4", "Label24", "gbPages" },
            { "gbNavBtns", "lMHelp" } },
        { "rbMpg", { "lTperPg", "eTperPg", "gbNavBtns", "lMHelp" }, {} },
        { "cbAddNav", { "rbNavTop", "rbNavBot", "rbNavBoth" }, {} },
    };
    for (const Row &row : rows) {
        dialog.loadSettings(HtmlOptions::Load(IniFile::FromText(file)));
        if (QString(row.click) == "rbMpg" || QString(row.click) == "cbAddNav")
            box("cbUseTable")->click(); // the page settings belong to the table layout
        child<QAbstractButton>(row.click)->click();
        for (const char *name : row.shownAfter)
            EXPECT_TRUE(shown(name)) << row.click << " -> " << name;
        for (const char *name : row.hiddenAfter)
            EXPECT_FALSE(shown(name)) << row.click << " -> " << name;
    }
    // Frames from this file: the HREF prompt is asked (links are off); No leaves frames off.
    dialog.loadSettings(HtmlOptions::Load(IniFile::FromText(file)));
    WithNextModal<HrefPromptDialog>(
        [](HrefPromptDialog *p) { p->findChild<QPushButton *>("bNo")->click(); });
    box("cbFrames")->click();
    EXPECT_FALSE(box("cbFrames")->isChecked() || box("cbHREF")->isChecked());
    EXPECT_FALSE(box("cbUseTable")->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsDialog, StoredSettingsAreShownAsTheRulesLeaveThem)
{
    // Frames stored without the link: declined without a question while loading.
    dialog.loadSettings(HtmlOptions::Load(IniFile::FromText("[Linking]\nLinkOriginal=2\n"
                                                            "[Layout]\nUseFrames=1\nMultiPg=0\n"
                                                            "UseNavBtns=0\nLinkBorder=0\n"
                                                            "[Tables]\nUseCellColor=2\n")));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(box("cbHREF")->isChecked() || box("cbFrames")->isChecked());
    EXPECT_FALSE(shown("rgHREF") || shown("eBorder") || shown("eTperPg") || shown("rbNavTop"));
    EXPECT_TRUE(shown("cpCBkgd"));
    // Frames stored with the link and without tables: the table comes on with them.
    dialog.loadSettings(HtmlOptions::Load(
        IniFile::FromText("[Layout]\nUseFrames=1\nTileBkgd=1\n[Tables]\nUseTables=0\n")));
    EXPECT_TRUE(box("cbFrames")->isChecked() && box("cbUseTable")->isChecked());
    EXPECT_FALSE(enabled("cbUseTable"));
    EXPECT_TRUE(shown("cbTxt") && enabled("cbTxt"));
    dialog.resetToDefaults();
    EXPECT_FALSE(box("cbFrames")->isChecked());
    EXPECT_TRUE(enabled("cbUseTable") && shown("gbPages"));
}

TEST_F(OptionsDialog, AddressesDerivedAtOpeningFollowTheModes)
{
    dialog.prepareToShow("HTML Options - /w/MyWeb.htm - 3 Files", "/w", "/w/pics/", "/w/");
    EXPECT_EQ(dialog.windowTitle(), "HTML Options - /w/MyWeb.htm - 3 Files");
    EXPECT_EQ(edit("eHREF")->text(), "pics/");
    EXPECT_EQ(edit("eIMG")->text(), "");
    pickMode("rgHREF", 0);
    EXPECT_EQ(edit("eHREF")->text(), "file:///w/pics/");
    pickMode("rgHREF", 1);
    EXPECT_EQ(edit("eHREF")->text(), "http://");
    // Leaving the field keeps the typed prefix for the next opening.
    edit("eHREF")->setText("http://example.com/big/");
    focusOut(edit("eHREF"));
    pickMode("rgIMG", 3);
    EXPECT_FALSE(shown("eIMG"));
    dialog.prepareToShow("again", "/w", "/w/pics/", "/w/");
    EXPECT_EQ(edit("eHREF")->text(), "http://example.com/big/");
    EXPECT_EQ(edit("eIMG")->text(), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsDialog, OtherDriveFallsBackToTheLocalAddressAndWarnsOnRelative)
{
    dialog.prepareToShow("c", "C:\\Web", "D:\\Pics\\", "C:\\Web\\Thumbs\\");
    EXPECT_EQ(child<LinkModeGroup>("rgHREF")->mode(), int(LinkMode::LocalDrive));
    EXPECT_EQ(edit("eHREF")->text(), "file:///D:\\Pics\\");
    EXPECT_EQ(edit("eIMG")->text(), "Thumbs/");
    EXPECT_TRUE(messages.shown.empty());
    pickMode("rgHREF", 2);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], kDifferentDriveWarning);
    EXPECT_EQ(edit("eHREF")->text(), "file:///D:\\Pics\\");
}

TEST_F(OptionsDialog, TableWidthIsClampedOnEveryExitAndNumberFieldsSelectAll)
{
    QLineEdit *width = edit("eTWidth");
    width->setText("250"); // not typed: no editing signal, yet leaving the field still clamps
    focusOut(width);
    EXPECT_EQ(width->text(), "100");
    width->setText("100");
    focusOut(width);
    EXPECT_EQ(width->text(), "100");
    width->setText("wide");
    focusOut(width);
    EXPECT_EQ(width->text(), "wide");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "'wide' is not a valid integer value");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);

    for (const char *name :
        { "eTCols", "eTBord", "eTWidth", "eTPad", "eTSpace", "eTperPg", "eBorder" }) {
        QLineEdit *field = edit(name);
        field->deselect();
        focusIn(field);
        EXPECT_TRUE(test::WaitFor([&] { return field->selectedText() == field->text(); })) << name;
    }
}

TEST_F(OptionsDialog, ReminderAnswersAndTheLayoutTab)
{
    auto *tabs = child<QTabWidget>("PageControl1");
    dialog.prepareToShow("c", "/w", "/w/", "/w/");
    dialog.show();
    messages.answers = { MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::No };
    child<QPushButton>("bOK")->click(); // Cancel: stays on the first tab
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(messages.texts.last(), kLayoutReminder);
    EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNoCancel);
    child<QPushButton>("bOK")->click(); // Yes: goes there and stays open
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(dialog.layoutTabSeen());
    tabs->setCurrentIndex(0);
    child<QPushButton>("bOK")->click(); // seen: closes without asking
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Each showing asks again; No confirms.
    dialog.prepareToShow("c", "/w", "/w/", "/w/");
    EXPECT_FALSE(dialog.layoutTabSeen());
    dialog.show();
    child<QPushButton>("bOK")->click();
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // The second tab's OK never asks.
    dialog.prepareToShow("c", "/w", "/w/", "/w/");
    dialog.show();
    child<QPushButton>("bOK2")->click();
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OptionsDialog, CancelKeepsTheChangesForTheNextShowingAndExit)
{
    dialog.prepareToShow("c", "/w", "/w/", "/w/");
    dialog.show();
    edit("eBanr")->setText("Holiday");
    box("cbStats")->click();
    child<QPushButton>("bCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.prepareToShow("c", "/w", "/w/", "/w/");
    EXPECT_EQ(dialog.options().BannerString, "Holiday");
    EXPECT_TRUE(stored().contains("BannerString=Holiday"));
    EXPECT_TRUE(stored().contains("LinkStats=0"));
}

TEST_F(OptionsDialog, FramesWithoutTheLinkAskThePrompt)
{
    dialog.prepareToShow("c", "/w", "/w/pics/", "/w/");
    box("cbHREF")->click();
    box("cbUseTable")->click();

    struct Row {
        const char *button; // pressed in the prompt; nullptr closes it
        bool framesOn;
    };
    for (const Row row : { Row { "bNo", false }, Row { "bCancel", false }, Row { nullptr, false },
             Row { "bYes", true } }) {
        QString promptAddress;
        bool promptFieldShown = true;
        WithNextModal<HrefPromptDialog>([&](HrefPromptDialog *p) {
            // Its own mode group and field: choosing a mode sets the prompt's address only.
            p->findChild<LinkModeGroup *>("rgHREF")->findChildren<QRadioButton *>().at(1)->click();
            promptAddress = p->findChild<QLineEdit *>("eHREF")->text();
            p->findChild<LinkModeGroup *>("rgHREF")->findChildren<QRadioButton *>().at(3)->click();
            promptFieldShown = !p->findChild<QLineEdit *>("eHREF")->isHidden();
            p->findChild<LinkModeGroup *>("rgHREF")->findChildren<QRadioButton *>().at(1)->click();
            if (row.button)
                p->findChild<QPushButton *>(row.button)->click();
            else
                p->reject();
        });
        box("cbFrames")->click();
        EXPECT_EQ(promptAddress, "http://");
        EXPECT_FALSE(promptFieldShown);
        EXPECT_EQ(box("cbFrames")->isChecked(), row.framesOn)
            << (row.button ? row.button : "close");
        EXPECT_EQ(box("cbHREF")->isChecked(), row.framesOn);
        EXPECT_EQ(box("cbUseTable")->isChecked(), row.framesOn);
    }
    // Yes took the prompt's mode, and the address follows from it.
    EXPECT_EQ(child<LinkModeGroup>("rgHREF")->mode(), int(LinkMode::ExplicitInternet));
    EXPECT_EQ(edit("eHREF")->text(), "http://");
    EXPECT_TRUE(shown("eHREF") && shown("rgHREF"));
    EXPECT_FALSE(enabled("cbUseTable"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsDialog, HelpOpensTheHelpWindow)
{
    bool opened = false;
    WithNextModal<QDialog>(
        [&](QDialog *d) {
            opened = d->windowTitle() == "HTML Options";
            d->findChild<QPushButton *>("bOK")->click();
        },
        "TForm5");
    child<QPushButton>("BitBtn1")->click();
    EXPECT_TRUE(opened);
    const QString text = QString::fromLatin1(kHtmlOptionsHelpText);
    EXPECT_LT(text.indexOf("file:///C:\\Graphics\\Thumbs\\"),
        text.indexOf("REMEMBER TO ADD THE TRAILING SLASH..."));
    EXPECT_LT(text.indexOf("REMEMBER"), text.indexOf("../Textures/"));
    EXPECT_LT(text.indexOf("C:\\My Documents\\My Webs\\Personal"), text.indexOf("Generic"));
}

TEST_F(OptionsDialog, EveryControlHasAName)
{
    EXPECT_EQ(test::UnnamedControls(dialog), QStringList());
    EXPECT_EQ(test::UnnamedControls(prompt), QStringList());
    EXPECT_EQ(test::UnnamedControls(help), QStringList());
    EXPECT_EQ(test::AccessibleName(edit("eTWidth")), "Table Width %");
    EXPECT_EQ(test::AccessibleName(child("cpBack")), "Page Background");
    EXPECT_EQ(test::AccessibleName(box("cbFrames")), "Use Frames For Display");
}

TEST_F(OptionsDialog, Screenshots)
{
    auto *tabs = child<QTabWidget>("PageControl1");
    dialog.prepareToShow("HTML Options - /home/ann/web/MyWeb.htm - 12 Files", "/home/ann/web",
        "/home/ann/Pics/", "/home/ann/web/thumbs/");
    dialog.show();
    dialog.adjustSize();
    EXPECT_FALSE(test::SaveScreenshot(dialog, "TForm6-linking").isEmpty());
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(test::SaveScreenshot(dialog, "TForm6-layout").isEmpty());
    box("cbFrames")->click();
    EXPECT_FALSE(test::SaveScreenshot(dialog, "TForm6-layout-frames").isEmpty());
    dialog.hide();
    prompt.prepare("pics/", "pics/", 2, "/home/ann/Pics/", "/home/ann/web");
    prompt.show();
    EXPECT_FALSE(test::SaveScreenshot(prompt, "THRFPrmpt").isEmpty());
    prompt.hide();
    help.show();
    EXPECT_FALSE(test::SaveScreenshot(help, "TForm5").isEmpty());
}

} // namespace
} // namespace pixmaro
