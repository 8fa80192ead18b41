// The wizard's pages: start-up state, every row of the navigation table in each mode, the checks
// on leaving pages 1 and 2, the visibility rules and the summary page.
#include "MainWindowFixture.h"
#include "app/WizardTexts.h"
#include "job/PreRunChecks.h"

#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

namespace pixmaro::test {
namespace {

QString Help(int page)
{
    return QString::fromLatin1(kHelpTexts[page])
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

class Navigation : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const char *name : { "c.bmp", "a.bmp", "B.bmp" })
            Picture(input, QString::fromLatin1(name));
        open();
        tree("fNewDir")->setFolder(output);
    }
    /// Page 1 to page 2 with the first two entries highlighted, in `thumbs` mode.
    void toOutputPage(bool thumbs)
    {
        find<QRadioButton>(thumbs ? "rbThumbs" : "rbRename")->setChecked(true);
        highlight({ 0, 1 });
        click("bNxt1");
        ASSERT_EQ(window->currentPage(), WizardPage::OutputOptions);
        tree("fNewDir")->setFolder(output);
    }
};

TEST_F(Navigation, StartsOnTheInputPageOnly)
{
    EXPECT_EQ(window->objectName(), "TForm1");
    EXPECT_EQ(window->size(), QSize(536, 453));
    EXPECT_EQ(visibleTabs(), std::vector<int> { 0 });
    EXPECT_EQ(helpText(), Help(0));
    EXPECT_EQ(label("lMFL")->text(), "Source Files");
    EXPECT_EQ(list("fBox")->entries(), QStringList({ "a.bmp", "B.bmp", "c.bmp" }));
    EXPECT_EQ(list("fBox")->currentRow(), 0);
    EXPECT_TRUE(list("fBox")->selectedItems().isEmpty());
    EXPECT_EQ(label("lDir")->text(), input);
    EXPECT_FALSE(button("bHTML")->isEnabled());
    EXPECT_FALSE(button("sbAbout")->isEnabled());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tabs()->tabText(i), QString::fromLatin1(kTabCaptions[i]));
}

TEST_F(Navigation, HiddenTabsCannotBeReachedByKeys)
{
    tabs()->show();
    for (auto key : { Qt::Key_Tab, Qt::Key_PageDown }) {
        QTest::keyClick(tabs(), key, Qt::ControlModifier);
        EXPECT_EQ(tabs()->currentIndex(), 0);
    }
    QTest::keyClick(tabs()->tabBar(), Qt::Key_Right);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    QWheelEvent wheel(QPointF(5, 5), tabs()->tabBar()->mapToGlobal(QPoint(5, 5)), QPoint(),
        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tabs()->tabBar(), &wheel);
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

struct Step {
    const char *button;
    WizardPage to;
};

void PrintTo(const Step &s, std::ostream *os)
{
    *os << s.button << " -> " << int(s.to);
}

TEST_F(Navigation, ThumbnailModeWalksEveryPage)
{
    toOutputPage(true);
    EXPECT_EQ(visibleTabs(), std::vector<int> { 1 });
    EXPECT_EQ(helpText(), Help(1));
    for (const Step &step : { Step { "bNxt2", WizardPage::ThumbnailOptions },
             Step { "bBck2", WizardPage::OutputOptions },
             Step { "bNxt2", WizardPage::ThumbnailOptions }, Step { "bNxt3", WizardPage::Confirm },
             Step { "bBck3", WizardPage::ThumbnailOptions }, Step { "bNxt3", WizardPage::Confirm },
             Step { "bBck3", WizardPage::ThumbnailOptions },
             Step { "bBck2", WizardPage::OutputOptions },
             Step { "bBck1", WizardPage::InputFiles } }) {
        click(step.button);
        ASSERT_EQ(window->currentPage(), step.to) << ::testing::PrintToString(step);
        EXPECT_EQ(visibleTabs(), std::vector<int> { int(step.to) });
        EXPECT_EQ(helpText(), Help(int(step.to)));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Navigation, RenameAndCopyModesSkipTheThumbnailPage)
{
    for (bool rename : { true, false }) {
        toOutputPage(false);
        find<QRadioButton>(rename ? "rbRenameOnly" : "rbCpyCvrt")->setChecked(true);
        click("bNxt2");
        ASSERT_EQ(window->currentPage(), WizardPage::Confirm) << rename;
        EXPECT_EQ(helpText(), Help(3));
        click("bBck3");
        EXPECT_EQ(window->currentPage(), WizardPage::OutputOptions);
        click("bBck1");
        EXPECT_EQ(window->currentPage(), WizardPage::InputFiles);
    }
}

TEST_F(Navigation, PopupMenusActAsTheButtons)
{
    highlight({ 0 });
    auto *pm1 = find<QMenu>("pm1");
    pm1->actions().at(0)->trigger(); // "Next"
    ASSERT_EQ(window->currentPage(), WizardPage::OutputOptions);
    tree("fNewDir")->setFolder(output);
    auto *pm2 = find<QMenu>("pm2");
    EXPECT_EQ(pm2->actions().at(0)->text(), "Back");
    pm2->actions().at(1)->trigger(); // "Next"
    EXPECT_EQ(window->currentPage(), WizardPage::ThumbnailOptions);
}

TEST_F(Navigation, LeavingPageOneBuildsTheSelectionInListOrder)
{
    click("bNxt1");
    EXPECT_EQ(messages.texts, QStringList { kNoFilesSelected });
    EXPECT_EQ(window->currentPage(), WizardPage::InputFiles);
    EXPECT_TRUE(window->selectedFiles().isEmpty());

    highlight({ 2, 0, 1 });
    click("bNxt1");
    EXPECT_EQ(window->selectedFiles(), QStringList({ "a.bmp", "B.bmp", "c.bmp" }));
    EXPECT_EQ(label("lMFL")->text(), "Source Files: 3");
    EXPECT_EQ(find<QListWidget>("lbMFL")->count(), 3);
    EXPECT_EQ(tree("fNewDir")->folder(), input) << "the output folder starts at the input folder";

    click("bBck1");
    EXPECT_EQ(label("lMFL")->text(), "Source Files: 0");
    EXPECT_EQ(find<QListWidget>("lbMFL")->count(), 0);
    EXPECT_EQ(window->selectedFiles().size(), 3) << "rebuilt only when page 1 is left again";
}

TEST_F(Navigation, DuplicateNamesAskAndCancelStaysOnPageOne)
{
    Picture(input, "MYPIC1.BMP");
    Picture(input, "MYPIC1.JPG");
    list("fBox")->refresh();
    const QStringList entries = list("fBox")->entries();
    const int bmp = int(entries.indexOf("MYPIC1.BMP"));
    const int jpg = int(entries.indexOf("MYPIC1.JPG"));
    highlight({ jpg, bmp });

    messages.duplicateAnswers = { false, true };
    click("bNxt1");
    EXPECT_EQ(messages.texts, QStringList { "TForm3: MYPIC1.BMP and MYPIC1.JPG" });
    EXPECT_EQ(window->currentPage(), WizardPage::InputFiles);
    EXPECT_EQ(list("fBox")->selectedItems().size(), 2) << "the files stay highlighted";
    click("bNxt1");
    EXPECT_EQ(window->currentPage(), WizardPage::OutputOptions);
}

TEST_F(Navigation, SameFolderWarningInThumbnailAndCopyModesOnly)
{
    struct Row {
        bool thumbs;
        bool renameOnly;
        bool warns;
    };
    for (const Row &row :
        { Row { true, false, true }, Row { false, false, true }, Row { false, true, false } }) {
        SCOPED_TRACE(::testing::Message() << row.thumbs << row.renameOnly);
        toOutputPage(row.thumbs);
        find<QRadioButton>(row.renameOnly ? "rbRenameOnly" : "rbCpyCvrt")->setChecked(true);
        tree("fNewDir")->setFolder(input);
        messages.shown.clear();
        messages.texts.clear();
        messages.answers = { MessageAnswer::No, MessageAnswer::Yes };
        click("bNxt2");
        if (row.warns) {
            ASSERT_EQ(messages.texts, QStringList { kSameFolderWarning });
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
            EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(window->currentPage(), WizardPage::OutputOptions) << "No stays";
            click("bNxt2");
        }
        EXPECT_NE(window->currentPage(), WizardPage::OutputOptions);
        messages.answers.clear();
        click(window->currentPage() == WizardPage::Confirm ? "bBck3" : "bBck2");
        click("bBck1");
    }
}

TEST_F(Navigation, EmptyQualifierIsRefusedOnlyForRenamesKeepingTheName)
{
    struct Row {
        bool renameOnly;
        int option;
        bool refused;
    };
    for (const Row &row : { Row { true, 3, true }, Row { true, 1, true }, Row { true, 0, false },
             Row { false, 3, false } }) {
        SCOPED_TRACE(::testing::Message() << row.renameOnly << row.option);
        toOutputPage(false);
        find<QRadioButton>(row.renameOnly ? "rbRenameOnly" : "rbCpyCvrt")->setChecked(true);
        combo("cbNameOption")->setCurrentIndex(row.option);
        edit("ePreI")->clear();
        messages.texts.clear();
        click("bNxt2");
        if (row.refused) {
            EXPECT_EQ(messages.texts, QStringList { kInvalidQualifier });
            EXPECT_EQ(window->currentPage(), WizardPage::OutputOptions);
        } else {
            EXPECT_EQ(window->currentPage(), WizardPage::Confirm);
            click("bBck3");
        }
        click("bBck1");
    }
}

TEST_F(Navigation, AnOutputThatWouldReplaceAnotherSourceIsRefused)
{
    Picture(input, "a.gif");
    list("fBox")->refresh();
    find<QRadioButton>("rbRename")->setChecked(true);
    list("fBox")->selectAll(); // a.bmp, a.gif, B.bmp, c.bmp
    messages.duplicateAnswers = { true };
    click("bNxt1");
    ASSERT_EQ(window->currentPage(), WizardPage::OutputOptions);
    find<QRadioButton>("rbCpyCvrt")->setChecked(true);
    combo("cbConvert")->setCurrentText("bmp");
    combo("cbNameOption")->setCurrentIndex(3);
    edit("ePreI")->clear();
    tree("fNewDir")->setFolder(input);
    messages.texts.clear();
    messages.answers = { MessageAnswer::Yes };
    click("bNxt2");
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(messages.texts[0], kSameFolderWarning);
    EXPECT_TRUE(messages.texts[1].contains("would be written over the selected file"))
        << messages.texts[1].toStdString();
    EXPECT_EQ(window->currentPage(), WizardPage::OutputOptions);
}

TEST_F(Navigation, ModeChoiceShowsTheRightControls)
{
    find<QRadioButton>("rbRename")->setChecked(true);
    EXPECT_EQ(label("lOutput")->text(), "Rename/Convert Files") << "the title follows at once";
    find<QRadioButton>("rbThumbs")->setChecked(true);
    EXPECT_EQ(label("lOutput")->text(), "Create Thumbnails");

    toOutputPage(true);
    EXPECT_TRUE(shown("lOutput"));
    EXPECT_FALSE(shown("rbRenameOnly"));
    EXPECT_TRUE(shown("fNewDir") && shown("cbConvert") && shown("sbShowAll"));
    EXPECT_TRUE(shown("ePreT"));
    EXPECT_FALSE(shown("ePreI"));
    EXPECT_FALSE(shown("lRenameNotice"));

    // Switching the radio on page 1 does not change pages 2 to 4 until page 1 is left again.
    click("bBck1");
    find<QRadioButton>("rbRename")->setChecked(true);
    EXPECT_FALSE(shown("rbRenameOnly"));
    toOutputPage(false);
    EXPECT_TRUE(shown("rbRenameOnly") && shown("rbCpyCvrt"));
    EXPECT_TRUE(shown("ePreI"));
    EXPECT_FALSE(shown("ePreT"));
    EXPECT_TRUE(shown("lRenameNotice"));
    EXPECT_FALSE(
        shown("fNewDir") || shown("fNewBox") || shown("cbConvert") || shown("cbOverWrite"));

    find<QRadioButton>("rbCpyCvrt")->setChecked(true);
    EXPECT_FALSE(shown("lRenameNotice"));
    EXPECT_TRUE(shown("fNewDir") && shown("fNewBox") && shown("cbConvert") && shown("cbOverWrite"));
}

TEST_F(Navigation, SequenceFieldFollowsTheNamingOption)
{
    for (int option : { 0, 1, 2, 3 }) {
        combo("cbNameOption")->setCurrentIndex(option);
        EXPECT_EQ(shown("eSeq"), option == 0 || option == 2) << option;
        EXPECT_EQ(shown("lSeq"), option == 0 || option == 2) << option;
    }
}

TEST_F(Navigation, RatioAndForceFlags)
{
    toOutputPage(true);
    click("bNxt2");
    EXPECT_FALSE(shown("cbFWidth") || shown("lMax"));
    EXPECT_TRUE(shown("eHeight") && shown("lW") && shown("lH"));
    check("cbRatio")->setChecked(true);
    EXPECT_TRUE(shown("cbFWidth") && shown("cbFHeight") && shown("lMax"));
    EXPECT_FALSE(shown("eHeight") || shown("lW") || shown("lH"));

    check("cbFWidth")->click();
    check("cbFHeight")->click();
    EXPECT_FALSE(check("cbFWidth")->isChecked());
    EXPECT_TRUE(check("cbFHeight")->isChecked());
    check("cbFWidth")->click();
    EXPECT_TRUE(check("cbFWidth")->isChecked());
    EXPECT_FALSE(check("cbFHeight")->isChecked());

    // The flags keep their values while hidden.
    check("cbRatio")->setChecked(false);
    EXPECT_TRUE(check("cbFWidth")->isChecked());
}

TEST_F(Navigation, OutputListMasks)
{
    Picture(output, "x.bmp");
    test::WriteFile(output + "/notes.txt", "text");
    toOutputPage(true);
    EXPECT_EQ(list("fNewBox")->entries(), QStringList { "x.bmp" });
    click("sbShowAll");
    EXPECT_EQ(list("fNewBox")->entries(), QStringList({ "notes.txt", "x.bmp" }));
    EXPECT_FALSE(button("sbShowGrafx")->isChecked());
    click("sbShowGrafx");
    EXPECT_EQ(list("fNewBox")->entries(), QStringList { "x.bmp" });
}

TEST_F(Navigation, SummaryIsFilledEachTimeTheConfirmationIsShown)
{
    toOutputPage(true);
    combo("cbConvert")->setCurrentText("jpg");
    edit("ePreT")->setText("T");
    click("bNxt2");
    edit("eWidth")->setText("120");
    edit("eHeight")->setText("80");
    find<QRadioButton>("rbFast")->setChecked(true);
    click("bNxt3");
    EXPECT_EQ(label("lInDir")->text(), input);
    EXPECT_EQ(label("lOutDir")->text(), output);
    EXPECT_EQ(label("lFileTypes")->text(), kDefaultFileMask);
    EXPECT_EQ(label("lConvertTo")->text(), "jpg");
    EXPECT_EQ(label("lFileNames")->text(), "...Will start with T001 and be numbered sequentially");
    EXPECT_EQ(label("lResize")->text(), "Fast");
    EXPECT_TRUE(shown("lWidthVal") && shown("lHeightVal"));
    EXPECT_EQ(label("lWidthVal")->text(), "120");
    EXPECT_EQ(label("lHeightVal")->text(), "80");
    EXPECT_FALSE(shown("lRatio"));
    EXPECT_TRUE(shown("tbJpg") && shown("lJpgCap"));
    find<QSlider>("tbJpg")->setValue(55);
    EXPECT_EQ(label("lJpg")->text(), "55");

    click("bBck3");
    check("cbRatio")->setChecked(true);
    click("bNxt3");
    EXPECT_FALSE(shown("lWidthVal") || shown("lHeightVal"));
    EXPECT_TRUE(shown("lRatio"));
    EXPECT_EQ(label("lRatio")->text(), "Maintain aspect ratio, Max Width/Height - 120");

    click("bBck3");
    click("bBck2");
    combo("cbConvert")->setCurrentText("gif");
    click("bNxt2");
    click("bNxt3");
    EXPECT_FALSE(shown("tbJpg")) << "the slider is shown exactly for jpg";
}

TEST_F(Navigation, RenameSummaryShowsTheInputFolderAndNoConversion)
{
    toOutputPage(false);
    combo("cbNameOption")->setCurrentIndex(1);
    click("bNxt2");
    EXPECT_EQ(label("lOutDir")->text(), input);
    EXPECT_EQ(label("lConvertTo")->text(), "No Conversion");
    EXPECT_EQ(label("lFileNames")->text(),
        "...Will start with Image and then have the original name appended.");
    EXPECT_FALSE(shown("tbJpg"));
    EXPECT_FALSE(shown("lResize") || shown("lDimCap") || shown("lRatio"));
}

TEST_F(Navigation, RefreshReadsBothListsAgain)
{
    toOutputPage(true);
    Picture(input, "d.bmp");
    Picture(output, "new.bmp");
    click("bRefreshView");
    EXPECT_EQ(list("fBox")->entries(), QStringList({ "a.bmp", "B.bmp", "c.bmp", "d.bmp" }));
    EXPECT_EQ(list("fNewBox")->entries(), QStringList { "new.bmp" });
    EXPECT_EQ(list("fNewBox")->currentRow(), 0);
    EXPECT_EQ(tree("fDir")->folder(), input);
    EXPECT_EQ(tree("fNewDir")->folder(), output);
}

TEST_F(Navigation, ToolbarButtonsUseTheShell)
{
    click("sbHelp");
    click("SpeedButton2");
    toOutputPage(true);
    click("SpeedButton2");
    click("SpeedButton1");
    EXPECT_EQ(messages.texts, QStringList { kNamingOptionsHelp });
    click("bNxt2");
    click("SpeedButton2");
    using Call = FakeShell::Call;
    EXPECT_EQ(shell.calls,
        std::vector<Call>({ Call { "help", {} }, Call { "explore", { input } },
            Call { "explore", { output } }, Call { "start", { "FileManager" } } }));
}

} // namespace
} // namespace pixmaro::test
