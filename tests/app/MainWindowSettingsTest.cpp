// The main window's settings: read at creation with the click rules, written once at exit with
// every other line kept, and the failures of both.
#include "MainWindowFixture.h"
#include "settings/IniFile.h"

#include <QMenu>
#include <QRadioButton>
#include <QSlider>

namespace pixmaro::test {
namespace {

class Settings : public MainWindowTest {
protected:
    QString key(const char *section, const char *name) const
    {
        return IniFile::Open(settingsPath).value(section, name).value_or("<missing>");
    }
};

TEST_F(Settings, RoundTripKeepsUnknownLinesAndAppliesTheRules)
{
    WriteFile(settingsPath,
        ("; kept as it is\r\n[Directories]\r\nInput=" + input + "\r\nOutput=" + output
            + "\r\nRecycleBin=No\r\nhtmlName=Trip.htm\r\n[Thumbnails]\r\nResize Speed=quality\r\n"
              "Thumb Width=120\r\nThumb Height=abc\r\nMaintain Ratio=0x1\r\nForce Width=1\r\n"
              "Force Height=1\r\nCreate As=gif\r\nNaming Option=SufName\r\n"
              "Output File Qualifier=T_\r\nJpg Compression=250\r\nOverwrite Files=0\r\n"
              "Mine=keep\r\n[Other]\r\nKey=Value\r\n")
            .toUtf8());
    open(false);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(tree("fDir")->folder(), input);
    EXPECT_EQ(tree("fNewDir")->folder(), output);
    EXPECT_TRUE(find<QRadioButton>("rbFast")->isChecked()) << "only exactly Quality is quality";
    EXPECT_EQ(edit("eWidth")->text(), "120");
    EXPECT_EQ(edit("eHeight")->text(), "abc");
    EXPECT_TRUE(check("cbRatio")->isChecked());
    EXPECT_TRUE(shown("cbFHeight") && shown("lMax")) << "the ratio's click rule ran";
    EXPECT_FALSE(check("cbFWidth")->isChecked()) << "Force Height is read last and wins";
    EXPECT_TRUE(check("cbFHeight")->isChecked());
    EXPECT_EQ(combo("cbConvert")->currentText(), "gif");
    EXPECT_EQ(combo("cbNameOption")->currentIndex(), 3);
    EXPECT_FALSE(shown("eSeq"));
    EXPECT_EQ(edit("ePreT")->text(), "T_");
    EXPECT_EQ(find<QSlider>("tbJpg")->value(), 100);
    EXPECT_FALSE(check("cbOverWrite")->isChecked());

    edit("eWidth")->setText("64");
    check("cbOverWrite")->setChecked(true);
    window.reset();

    const QByteArray text = ReadFile(settingsPath);
    EXPECT_TRUE(text.startsWith("; kept as it is\r\n[Directories]\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Mine=keep\r\n"));
    EXPECT_TRUE(text.contains("[Other]\r\nKey=Value\r\n"));
    EXPECT_EQ(key("Directories", "Input"), input);
    EXPECT_EQ(key("Directories", "RecycleBin"), "No");
    EXPECT_EQ(key("Directories", "htmlName"), "Trip.htm");
    EXPECT_EQ(key("Thumbnails", "Resize Speed"), "Fast");
    EXPECT_EQ(key("Thumbnails", "Thumb Width"), "64");
    EXPECT_EQ(key("Thumbnails", "Thumb Height"), "abc");
    EXPECT_EQ(key("Thumbnails", "Maintain Ratio"), "1");
    EXPECT_EQ(key("Thumbnails", "Force Width"), "0");
    EXPECT_EQ(key("Thumbnails", "Force Height"), "1");
    EXPECT_EQ(key("Thumbnails", "Create As"), "gif");
    EXPECT_EQ(key("Thumbnails", "Naming Option"), "SufName");
    EXPECT_EQ(key("Thumbnails", "Jpg Compression"), "100");
    EXPECT_EQ(key("Thumbnails", "Overwrite Files"), "1");
    EXPECT_EQ(key("Tables", "Columns"), "5") << "the other windows' records are written too";
}

TEST_F(Settings, NoFileStartsWithDefaultsAndExitWritesEveryKey)
{
    open(false);
    EXPECT_EQ(tree("fDir")->folder(), "/");
    EXPECT_EQ(edit("eWidth")->text(), "96");
    EXPECT_EQ(find<QSlider>("tbJpg")->value(), 90);
    window.reset();
    EXPECT_EQ(key("Directories", "Input"), "/");
    EXPECT_EQ(key("Directories", "RecycleBin"), "Yes");
    EXPECT_EQ(key("Directories", "htmlName"), "MyWeb.htm");
    EXPECT_EQ(key("Thumbnails", "Naming Option"), "PreSeq");
    EXPECT_EQ(key("Layout", "UseFrames"), "0");
}

TEST_F(Settings, AMissingFolderIsReportedAndTheOtherKeysAreKept)
{
    WriteFile(settingsPath,
        ("[Directories]\nInput=gone/away\nOutput=" + output
            + "/deleted/deeper\n[Thumbnails]\n"
              "Thumb Width=150\n")
            .toUtf8());
    open(false);
    EXPECT_EQ(messages.texts, QStringList { "The gone/away directory does not exist" });
    EXPECT_EQ(tree("fDir")->folder(), "/");
    EXPECT_EQ(tree("fNewDir")->folder(), output) << "the nearest existing folder above it";
    EXPECT_EQ(edit("eWidth")->text(), "150");
    window.reset();
    EXPECT_EQ(key("Thumbnails", "Thumb Width"), "150");
}

TEST_F(Settings, FramesWithoutTheOriginalLinkLoadWithoutAQuestion)
{
    WriteFile(settingsPath, "[Linking]\nLinkOriginal=0\n[Layout]\nUseFrames=1\n");
    open(false);
    window.reset();
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(key("Layout", "UseFrames"), "0");
    EXPECT_EQ(key("Linking", "LinkOriginal"), "0");
}

TEST_F(Settings, ResetAlsoResetsTheOtherWindowsRecords)
{
    WriteFile(
        settingsPath, "[Directories]\nRecycleBin=No\nhtmlName=Other.htm\n[Tables]\nColumns=9\n");
    open(false);
    messages.answers = { MessageAnswer::Yes };
    click("sbDefaults");
    window.reset();
    EXPECT_EQ(key("Directories", "RecycleBin"), "Yes");
    EXPECT_EQ(key("Directories", "htmlName"), "MyWeb.htm");
    EXPECT_EQ(key("Tables", "Columns"), "5");
}

TEST_F(Settings, AFailedWriteIsReportedAndTheWindowStillCloses)
{
    WriteFile(tmp.filePath("file"), "not a folder");
    settingsPath = tmp.filePath("file/Pixmaro.ini");
    open(false);
    int closes = 0;
    QObject::connect(window.get(), &MainWindow::closed, [&closes] { ++closes; });
    EXPECT_TRUE(window->close());
    EXPECT_EQ(closes, 1);
    window.reset();
    EXPECT_EQ(messages.texts, QStringList { "Unable to write to " + settingsPath });
}

TEST_F(Settings, ExitInEitherMenuClosesTheWindow)
{
    open();
    for (const char *menu : { "pm1", "pm2" }) {
        int closes = 0;
        auto connection
            = QObject::connect(window.get(), &MainWindow::closed, [&closes] { ++closes; });
        find<QMenu>(menu)->actions().last()->trigger();
        EXPECT_EQ(closes, 1) << menu;
        QObject::disconnect(connection);
    }
}

} // namespace
} // namespace pixmaro::test
