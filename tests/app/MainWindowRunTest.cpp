// "GO" and "OK!": whole jobs of each kind through the wizard, Cancel during a run, closing the
// window during a run, and "Reset Settings to Defaults" during and outside a run.
#include "MainWindowFixture.h"
#include "app/WizardTexts.h"

#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

namespace pixmaro::test {
namespace {

class Runs : public MainWindowTest {
protected:
    /// Pictures 01.bmp to `count`.bmp in the input folder, listed afresh.
    void pictures(int count)
    {
        for (int i = 1; i <= count; ++i)
            Picture(input, QStringLiteral("%1.bmp").arg(i, 2, 10, QChar(u'0')));
        if (window)
            list("fBox")->refresh();
    }
    /// Highlights every entry and leaves page 1 in `thumbs` mode, output into `output`.
    void toOutputPage(bool thumbs)
    {
        find<QRadioButton>(thumbs ? "rbThumbs" : "rbRename")->setChecked(true);
        list("fBox")->selectAll();
        click("bNxt1");
        ASSERT_EQ(window->currentPage(), WizardPage::OutputOptions);
        tree("fNewDir")->setFolder(output);
    }
    /// Runs `action` when the progress bar reaches `position`, that is while the next file's
    /// events are pending, as a click during that file would be.
    void atProgress(int position, std::function<void()> action)
    {
        QObject::connect(find<QProgressBar>("pBar"), &QProgressBar::valueChanged, window.get(),
            [position, action](int value) {
                if (value == position)
                    QMetaObject::invokeMethod(qApp, action, Qt::QueuedConnection);
            });
    }
    QStringList outputs() const { return QDir(output).entryList(QDir::Files, QDir::Name); }
};

TEST_F(Runs, ThumbnailJobFromPageOneToOk)
{
    pictures(3);
    open();
    toOutputPage(true);
    click("bNxt2");
    ASSERT_EQ(window->currentPage(), WizardPage::ThumbnailOptions);
    edit("eWidth")->setText("20");
    edit("eHeight")->setText("10");
    click("bNxt3");
    click("bGO");

    EXPECT_EQ(window->currentPage(), WizardPage::Processing);
    EXPECT_EQ(outputs(), QStringList({ "Thumb001.jpg", "Thumb002.jpg", "Thumb003.jpg" }));
    EXPECT_EQ(QImage(output + "/Thumb002.jpg").size(), QSize(20, 10));
    EXPECT_EQ(label("lDone")->text(), "Operation complete. 3 files processed.");
    EXPECT_EQ(label("lProc")->text(), "3 of 3");
    EXPECT_TRUE(shown("lDone") && shown("bStartOver") && shown("bHTML") && shown("lDoHTM"));
    EXPECT_FALSE(shown("bCancelOp") || shown("pBar"));
    EXPECT_FALSE(shown("lDir") || shown("lbMFL") || shown("lMFL") || shown("Image1"));
    EXPECT_EQ(window->focusWidget(), button("bStartOver"));
    EXPECT_EQ(window->runState().ProcessedCount, 3);
    EXPECT_EQ(window->runState().RunInfo.at(2).OutputPath, output + "/Thumb003.jpg");
    EXPECT_TRUE(messages.texts.isEmpty());

    QTest::keyClick(button("bStartOver"), Qt::Key_Return);
    EXPECT_EQ(window->currentPage(), WizardPage::InputFiles) << "Enter presses the focused OK!";
    EXPECT_EQ(visibleTabs(), std::vector<int> { 0 });
    EXPECT_TRUE(window->selectedFiles().isEmpty());
    EXPECT_EQ(label("lMFL")->text(), "Source Files: 0");
    EXPECT_EQ(find<QListWidget>("lbMFL")->count(), 0);
    EXPECT_TRUE(shown("lDir") && shown("lbMFL") && shown("Image1") && shown("bCancelOp"));
    EXPECT_FALSE(shown("lDone") || shown("bStartOver") || shown("bHTML"));
    EXPECT_EQ(edit("eWidth")->text(), "20") << "the settings of the finished job stay";
    EXPECT_EQ(window->runState().ProcessedCount, 3);
}

TEST_F(Runs, RenameJobFromPageOneToOk)
{
    pictures(2);
    open();
    toOutputPage(false);
    click("bNxt2");
    ASSERT_EQ(window->currentPage(), WizardPage::Confirm);
    click("bGO");
    EXPECT_EQ(label("lDone")->text(), "Operation complete. 2 files processed.");
    EXPECT_EQ(QDir(input).entryList(QDir::Files, QDir::Name),
        QStringList({ "Image001.bmp", "Image002.bmp" }));
    EXPECT_EQ(list("fBox")->entries(), QStringList({ "Image001.bmp", "Image002.bmp" }))
        << "the lists are read afresh after the run";
    EXPECT_TRUE(outputs().isEmpty());
    click("bStartOver");
    EXPECT_EQ(window->currentPage(), WizardPage::InputFiles);
}

TEST_F(Runs, CopyConvertJobFromPageOneToOk)
{
    pictures(2);
    open();
    toOutputPage(false);
    find<QRadioButton>("rbCpyCvrt")->setChecked(true);
    combo("cbConvert")->setCurrentText("gif");
    combo("cbNameOption")->setCurrentIndex(3);
    edit("ePreI")->setText("_c");
    click("bNxt2");
    click("bGO");
    EXPECT_EQ(label("lDone")->text(), "Operation complete. 2 files processed.");
    EXPECT_EQ(outputs(), QStringList({ "01_c.gif", "02_c.gif" }));
    EXPECT_EQ(QImage(output + "/01_c.gif").size(), QSize(40, 30));
    click("bStartOver");
    EXPECT_EQ(window->currentPage(), WizardPage::InputFiles);
}

TEST_F(Runs, CancelDuringFileTwoOfTenFinishesThatFile)
{
    pictures(10);
    open();
    toOutputPage(true);
    click("bNxt2");
    click("bNxt3");
    atProgress(2, [this] { click("bCancelOp"); });
    click("bGO");
    EXPECT_EQ(label("lDone")->text(), "Operation Incomplete. 2 files processed.");
    EXPECT_EQ(outputs(), QStringList({ "Thumb001.jpg", "Thumb002.jpg" }));
    EXPECT_TRUE(shown("bStartOver"));
}

TEST_F(Runs, ClosingDuringARunFinishesTheFileThenClosesOnce)
{
    pictures(10);
    open();
    toOutputPage(true);
    click("bNxt2");
    click("bNxt3");
    int closes = 0;
    QObject::connect(window.get(), &MainWindow::closed, [&closes] { ++closes; });
    atProgress(2, [this] {
        EXPECT_TRUE(window->isRunning());
        window->close();
    });
    click("bGO");
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(label("lDone")->text(), "Operation Incomplete. 2 files processed.");
    EXPECT_EQ(outputs().size(), 2);

    window.reset();
    const IniFile ini = IniFile::Open(settingsPath);
    EXPECT_EQ(ini.value("Directories", "Input"), input);
    EXPECT_EQ(ini.value("Directories", "Output"), output);
}

TEST_F(Runs, ResetIsDisabledDuringARun)
{
    pictures(3);
    open();
    toOutputPage(true);
    click("bNxt2");
    click("bNxt3");
    bool checked = false;
    atProgress(1, [&] {
        checked = true;
        EXPECT_FALSE(button("sbDefaults")->isEnabled());
        EXPECT_TRUE(button("bRefreshView")->isEnabled());
        EXPECT_TRUE(button("sbHelp")->isEnabled());
        click("sbDefaults");
    });
    click("bGO");
    EXPECT_TRUE(checked);
    EXPECT_TRUE(messages.texts.isEmpty()) << "no reset question during the run";
    EXPECT_EQ(tree("fNewDir")->folder(), output);
    EXPECT_TRUE(button("sbDefaults")->isEnabled());
}

TEST_F(Runs, ResetAsksThenSetsEveryDefault)
{
    pictures(2);
    open();
    check("cbRatio")->setChecked(true);
    check("cbFWidth")->setChecked(true);
    edit("eWidth")->setText("300");
    combo("cbConvert")->setCurrentText("bmp");
    combo("cbNameOption")->setCurrentIndex(2);
    find<QRadioButton>("rbFast")->setChecked(true);

    messages.answers = { MessageAnswer::Cancel };
    click("sbDefaults");
    ASSERT_EQ(messages.texts, QStringList { kResetConfirmation });
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesCancel);
    EXPECT_EQ(edit("eWidth")->text(), "300") << "Cancel changes nothing";

    messages.answers = { MessageAnswer::Yes };
    click("sbDefaults");
    EXPECT_EQ(tree("fDir")->folder(), "/");
    EXPECT_EQ(tree("fNewDir")->folder(), "/");
    EXPECT_EQ(edit("eWidth")->text(), "96");
    EXPECT_EQ(edit("eHeight")->text(), "96");
    EXPECT_FALSE(check("cbRatio")->isChecked() || check("cbFWidth")->isChecked()
        || check("cbFHeight")->isChecked());
    EXPECT_TRUE(shown("eHeight")) << "the ratio's click rule ran";
    EXPECT_EQ(combo("cbConvert")->currentText(), "jpg");
    EXPECT_EQ(combo("cbNameOption")->currentIndex(), 0);
    EXPECT_TRUE(find<QRadioButton>("rbQuality")->isChecked());
    EXPECT_EQ(edit("ePreT")->text(), "Thumb");
    EXPECT_TRUE(check("cbOverWrite")->isChecked());
    EXPECT_FALSE(QFileInfo::exists(settingsPath)) << "the reset writes nothing";
}

TEST_F(Runs, ResetOnALaterPageGoesBackToPageOne)
{
    pictures(2);
    open();
    for (const char *next : { "", "bNxt2", "bNxt3" }) {
        SCOPED_TRACE(next);
        tree("fDir")->setFolder(input);
        toOutputPage(true);
        if (*next)
            click("bNxt2");
        if (QByteArray(next) == "bNxt3")
            click("bNxt3");
        messages.answers = { MessageAnswer::Yes };
        click("sbDefaults");
        EXPECT_EQ(window->currentPage(), WizardPage::InputFiles);
        EXPECT_EQ(visibleTabs(), std::vector<int> { 0 });
        EXPECT_EQ(label("lMFL")->text(), "Source Files: 0");
        EXPECT_EQ(find<QListWidget>("lbMFL")->count(), 0);
    }
}

} // namespace
} // namespace pixmaro::test
