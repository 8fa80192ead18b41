// Tests of the kept settings of every window: defaults, read rules and the written file.
#include "settings/SettingsFile.h"
#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
namespace pixmaro {
namespace {

const char kDefaultFile[] = "[Directories]\n"
                            "Input=/\n"
                            "Output=/\n"
                            "RecycleBin=Yes\n"
                            "htmlName=MyWeb.htm\n"
                            "[Thumbnails]\n"
                            "Resize Speed=Quality\n"
                            "Thumb Width=96\n"
                            "Thumb Height=96\n"
                            "Maintain Ratio=0\n"
                            "Force Width=0\n"
                            "Force Height=0\n"
                            "Create As=jpg\n"
                            "Naming Option=PreSeq\n"
                            "Output File Qualifier=Thumb\n"
                            "Jpg Compression=90\n"
                            "Overwrite Files=1\n"
                            "[Linking]\n"
                            "OriginalLinkOpt=2\n"
                            "LinkOriginal=1\n"
                            "ThumbLinkOpt=2\n"
                            "[Layout]\n"
                            "WindowOpt=0\n"
                            "LinkBorderSize=1\n"
                            "LinkBorder=1\n"
                            "LinkStats=1\n"
                            "BannerString=Pixmaro\n"
                            "BannerHeadSize=0\n"
                            "ThmPerPage=25\n"
                            "MultiPg=1\n"
                            "NavBtns=2\n"
                            "UseNavBtns=1\n"
                            "UseFrames=0\n"
                            "TileBkgd=0\n"
                            "SampleText=0\n"
                            "[Colors]\n"
                            "PageBkgd=16777215\n"
                            "Text=0\n"
                            "BannerText=0\n"
                            "TableBkgd=10526880\n"
                            "CellBkgd=16777215\n"
                            "[Tables]\n"
                            "Columns=5\n"
                            "BorderSize=1\n"
                            "TableWidth=0\n"
                            "CellPad=2\n"
                            "CellSpace=2\n"
                            "TableAlignment=Center\n"
                            "UseBkgdColor=1\n"
                            "TableCaption=Click thumbnail to see full size image\n"
                            "IncludeCaption=1\n"
                            "CaptionAlign=Top\n"
                            "CellHAlign=Center\n"
                            "CellVAlign=Middle\n"
                            "UseCellColor=0\n"
                            "UseTables=1\n";

TEST(StoredSettings, DefaultsWriteEveryKeyInOrder)
{
    IniFile ini;
    StoredSettings::Defaults("/").save(ini);
    EXPECT_EQ(ini.text(), QByteArray(kDefaultFile));

    // An empty file reads as the defaults, and they write back to the same file.
    QString error;
    IniFile again;
    StoredSettings::Load(IniFile(), "/", &error).save(again);
    EXPECT_EQ(again.text(), QByteArray(kDefaultFile));
    EXPECT_TRUE(error.isEmpty());
}

TEST(StoredSettings, WordsFlagsAndClampsFollowTheirReadRules)
{
    const IniFile ini
        = IniFile::FromText("[Thumbnails]\n"
                            "Resize Speed=quality\nCreate As=JPG\nNaming Option=SufName\n"
                            "Maintain Ratio=0x1\nOverwrite Files=$0\nJpg Compression=5\n"
                            "Thumb Width=abc\n"
                            "[Linking]\nOriginalLinkOpt=9\nLinkOriginal=2\nThumbLinkOpt=-5\n"
                            "[Tables]\nUseCellColor=2\nUseBkgdColor=0x1\n"
                            "[Layout]\nNavBtns=7\nBannerHeadSize=1\nUseFrames=-1\n"
                            "[Directories]\nRecycleBin=yes\nhtmlName=\n");
    const StoredSettings s = StoredSettings::Load(ini, "/");
    EXPECT_EQ(s.main.ResizeSpeed, 0);
    EXPECT_EQ(s.main.ConvertTo, "jpg");
    EXPECT_EQ(s.main.NamingOption, 3);
    EXPECT_TRUE(s.main.KeepRatio);
    EXPECT_FALSE(s.main.OverwriteFiles);
    EXPECT_EQ(s.main.JpegQuality, 10);
    EXPECT_EQ(s.main.MaxWidth, "abc");
    EXPECT_EQ(s.htmlOptions.OriginalLinkOpt, 3);
    EXPECT_FALSE(s.htmlOptions.LinkOriginal);
    EXPECT_EQ(s.htmlOptions.ThumbLinkOpt, -1);
    EXPECT_TRUE(s.htmlOptions.UseCellColor);
    EXPECT_TRUE(s.htmlOptions.UseBkgdColor);
    EXPECT_EQ(s.htmlOptions.NavBtns, 2);
    EXPECT_EQ(s.htmlOptions.BannerHeadSize, 1);
    EXPECT_TRUE(s.htmlOptions.UseFrames);
    EXPECT_FALSE(s.deleteConfirm.RecycleBin);
    EXPECT_EQ(s.htmlOutput.htmlName, "");

    IniFile out;
    s.save(out);
    EXPECT_EQ(out.readString("Linking", "ThumbLinkOpt", ""), "-1");
    EXPECT_EQ(out.readString("Thumbnails", "Resize Speed", ""), "Fast");
    EXPECT_EQ(out.readString("Thumbnails", "Naming Option", ""), "SufName");
    EXPECT_EQ(out.readString("Directories", "RecycleBin", ""), "No");

    const IniFile high
        = IniFile::FromText("[Thumbnails]\nJpg Compression=250\n[Layout]\nNavBtns=0\n");
    EXPECT_EQ(StoredSettings::Load(high, "/").main.JpegQuality, 100);
    EXPECT_EQ(StoredSettings::Load(high, "/").htmlOptions.NavBtns, 0);
}

TEST(StoredSettings, BothForceFlagsAreWrittenAsForceHeight)
{
    const IniFile ini = IniFile::FromText("[Thumbnails]\nForce Width=1\nForce Height=5\n");
    const StoredSettings s = StoredSettings::Load(ini, "/");
    IniFile out;
    s.main.save(out);
    EXPECT_EQ(out.readString("Thumbnails", "Force Width", ""), "0");
    EXPECT_EQ(out.readString("Thumbnails", "Force Height", ""), "1");

    MainWindowSettings onlyWidth;
    onlyWidth.ForceWidth = true;
    IniFile widthOut = IniFile::FromText("[Thumbnails]\nForce Height=1\n");
    onlyWidth.save(widthOut);
    EXPECT_EQ(widthOut.readString("Thumbnails", "Force Width", ""), "1");
    EXPECT_EQ(widthOut.readString("Thumbnails", "Force Height", ""), "0");
}

TEST(StoredSettings, MissingFoldersOpenTheNearestExistingOne)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Pics/2026"));
    const QString pics = QDir::cleanPath(dir.filePath("Pics"));
    const IniFile ini = IniFile::FromText(("[Directories]\nInput=" + pics
        + "/gone/deeper/\nOutput=" + pics + "/2026/\n[Thumbnails]\nThumb Width=50\n")
                                              .toUtf8());
    QString error;
    const MainWindowSettings s = MainWindowSettings::Load(ini, "/", &error);
    EXPECT_EQ(s.InputFolder, pics);
    EXPECT_EQ(s.OutputFolder, pics + "/2026");
    EXPECT_EQ(s.MaxWidth, "50");
    EXPECT_TRUE(error.isEmpty());
}

TEST(StoredSettings, AFolderWithoutARootFallsBackAndTheOtherKeysAreStillRead)
{
    const IniFile ini = IniFile::FromText("[Directories]\nInput=Q:\\Pics\nOutput=/\n"
                                          "RecycleBin=No\n"
                                          "[Thumbnails]\nThumb Width=50\nJpg Compression=40\n");
    QString error;
    const StoredSettings s = StoredSettings::Load(ini, "/", &error);
    EXPECT_EQ(error, "The Q:\\Pics directory does not exist");
    EXPECT_EQ(s.main.InputFolder, "/");
    EXPECT_EQ(s.main.OutputFolder, "/");
    // The keys after the folder are the user's, so the exit writes them back unchanged.
    EXPECT_EQ(s.main.MaxWidth, "50");
    EXPECT_EQ(s.main.JpegQuality, 40);
    EXPECT_FALSE(s.deleteConfirm.RecycleBin);
    IniFile out;
    s.main.save(out);
    EXPECT_EQ(out.readString("Thumbnails", "Thumb Width", ""), "50");
    EXPECT_EQ(out.readString("Thumbnails", "Jpg Compression", ""), "40");

    // Both folders gone: one line for each.
    const IniFile both = IniFile::FromText("[Directories]\nInput=in\nOutput=Q:\\out\n");
    error.clear();
    MainWindowSettings::Load(both, "/", &error);
    EXPECT_EQ(error,
        "The in directory does not exist\n"
        "The Q:\\out directory does not exist");
}

// Every key keeps its own field: a value unlike every default, different for each key, comes
// back from the file into the same field.
template <class Record> void ExpectEveryKeyRoundTrips()
{
    Record written;
    const Record defaults;
    int n = 0;
    for (const auto &k : Record::Keys()) {
        ++n;
        if (k.textField) {
            written.*k.textField = k.kind == KeyKind::Word ? QLatin1String(k.words[k.high])
                : k.kind == KeyKind::Folder                ? QDir::rootPath()
                                                           : QStringLiteral("v%1").arg(n);
        } else if (k.flagField) {
            written.*k.flagField = k.number == 0;
        } else {
            written.*k.numberField = k.kind == KeyKind::Colour ? 0x10000 + n
                : k.number == k.high                           ? k.low
                                                               : k.high;
        }
    }
    IniFile ini;
    written.save(ini);
    const Record read = Record::Load(ini);
    for (const auto &k : Record::Keys()) {
        const auto expectKept = [&](auto member) {
            EXPECT_EQ(read.*member, written.*member) << k.section << "/" << k.key;
            EXPECT_NE(written.*member, defaults.*member) << k.section << "/" << k.key;
        };
        if (k.textField)
            expectKept(k.textField);
        else if (k.flagField)
            expectKept(k.flagField);
        else
            expectKept(k.numberField);
    }
}

TEST(SettingKeys, EveryKeyRoundTripsThroughItsOwnField)
{
    ExpectEveryKeyRoundTrips<HtmlOptions>();
    ExpectEveryKeyRoundTrips<HtmlOutputSettings>();
}

TEST(SettingKeys, MainWindowKeysRoundTripAndDefaultsReadAsStored)
{
    MainWindowSettings written;
    written.InputFolder = "/";
    written.OutputFolder = "/";
    written.ResizeSpeed = 0;
    written.MaxWidth = "120";
    written.MaxHeight = "80";
    written.KeepRatio = true;
    written.ForceWidth = true;
    written.ConvertTo = "No Conversion";
    written.NamingOption = 2;
    written.ThumbQualifier = "Small";
    written.JpegQuality = 55;
    written.OverwriteFiles = false;
    IniFile ini;
    written.save(ini);
    const MainWindowSettings read = MainWindowSettings::Load(ini, "/nowhere");
    EXPECT_EQ(read.InputFolder, "/");
    EXPECT_EQ(read.ResizeSpeed, 0);
    EXPECT_EQ(read.MaxWidth, "120");
    EXPECT_EQ(read.MaxHeight, "80");
    EXPECT_TRUE(read.KeepRatio);
    EXPECT_TRUE(read.ForceWidth);
    EXPECT_FALSE(read.ForceHeight);
    EXPECT_EQ(read.ConvertTo, "No Conversion");
    EXPECT_EQ(read.NamingOption, 2);
    EXPECT_EQ(read.ThumbQualifier, "Small");
    EXPECT_EQ(read.JpegQuality, 55);
    EXPECT_FALSE(read.OverwriteFiles);

    // The defaults the command line's help shows are the texts a default file holds.
    const struct {
        const char *key;
        const char *shown;
    } rows[] = { { "Resize Speed", "Quality" }, { "Thumb Width", "96" }, { "Create As", "jpg" },
        { "Naming Option", "PreSeq" }, { "Jpg Compression", "90" }, { "Overwrite Files", "1" },
        { "Output File Qualifier", "Thumb" } };
    for (const auto &row : rows) {
        const auto *key = FindKey(MainWindowSettings::Keys(), row.key);
        ASSERT_NE(key, nullptr) << row.key;
        EXPECT_EQ(key->defaultText(), row.shown) << row.key;
    }
}

TEST(StoredSettings, SavingIntoAnExistingFileKeepsForeignLines)
{
    QTemporaryDir dir;
    const QString path = test::WriteFile(
        dir.filePath("Pixmaro.ini"), "[Thumbnails]\r\nThumb Width=200\r\nMine=keep\r\n");
    IniFile ini = IniFile::Open(path);
    StoredSettings s = StoredSettings::Load(ini, "/");
    s.main.MaxHeight = "150";
    s.save(ini);
    ASSERT_FALSE(ini.save().has_value());
    const QByteArray written = test::ReadFile(path);
    EXPECT_TRUE(written.startsWith(
        "[Thumbnails]\r\nThumb Width=200\r\nMine=keep\r\nResize Speed=Quality\r\n"));
    EXPECT_TRUE(written.contains("Thumb Height=150\r\n"));
    EXPECT_FALSE(written.contains("\r\r"));
    EXPECT_EQ(written.count('\n'), written.count("\r\n"));
}

} // namespace
} // namespace pixmaro
