// Tests of the checks made before a run.
#include "job/PreRunChecks.h"

#include "job/OutputPaths.h"
#include "job/RunState.h"
#include "support/FakeMessages.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(DuplicateBaseName, FindsNamesThatDifferOnlyInTheirType)
{
    const QStringList pair { "MYPIC1.BMP", "other.gif", "MYPIC1.JPG" };
    const auto found = FindDuplicateBaseName(pair);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(DuplicateNamesLabel(pair, *found), "MYPIC1.BMP and MYPIC1.JPG");

    // The earlier entry of the selection comes first, whatever the sort order.
    const QStringList reversed { "b.jpg", "b.gif" };
    EXPECT_EQ(FindDuplicateBaseName(reversed), (DuplicatePair { 0, 1 }));

    EXPECT_FALSE(FindDuplicateBaseName({ "pic.jpeg", "pic.jpg" }).has_value());
    EXPECT_FALSE(FindDuplicateBaseName({ "A.jpg", "a.bmp" }).has_value());
    EXPECT_FALSE(FindDuplicateBaseName({}).has_value());
}

TEST(DuplicateBaseName, NamesThePairThatSortsLast)
{
    const QStringList names { "zed.jpg", "alpha.gif", "Mid.bmp", "alpha.jpg", "zed.gif",
        "Mid.jpg" };
    EXPECT_EQ(FindDuplicateBaseName(names), (DuplicatePair { 0, 4 }));
}

TEST(DuplicateBaseName, AKeyDifferingOnlyInCaseDoesNotHideAPair)
{
    // "A." sorts between the two "a." keys when case is ignored.
    const QStringList names { "a.jpg", "A.bmp", "a.gif" };
    EXPECT_EQ(FindDuplicateBaseName(names), (DuplicatePair { 0, 2 }));
}

TEST(PageTwoChecks, SameFolderAndEmptyQualifier)
{
    JobSettings job;
    job.InputFolder = job.OutputFolder = "/photos";
    EXPECT_EQ(SameFolderWarning(job),
        "Input and Output Directories are the same. This could result in files being "
        "overwritten or not processed.\r\rContinue?");
    job.OutputFolder = "/Photos";
    EXPECT_FALSE(SameFolderWarning(job).has_value());

    job.ThumbMode = false;
    job.RenameOnly = true;
    job.OutputFolder = job.InputFolder;
    EXPECT_FALSE(SameFolderWarning(job).has_value());

    job.NamingOption = 3;
    job.ImageQualifier = "";
    EXPECT_EQ(EmptyQualifierRefusal(job),
        "Invalid output qualifier for option chosen.  Please specify a qualifier, or "
        "choose a different naming option.");
    job.NamingOption = 2;
    EXPECT_FALSE(EmptyQualifierRefusal(job).has_value());
    job.NamingOption = 1;
    job.RenameOnly = false;
    EXPECT_FALSE(EmptyQualifierRefusal(job).has_value());
    EXPECT_TRUE(SameFolderWarning(job).has_value());
    job.ThumbMode = true;
    job.RenameOnly = true;
    EXPECT_FALSE(EmptyQualifierRefusal(job).has_value());
}

TEST(JobSettingsForceFlags, CheckingOneUnchecksTheOther)
{
    JobSettings job;
    job.setForceWidth(true);
    job.setForceHeight(true);
    EXPECT_FALSE(job.ForceWidth);
    EXPECT_TRUE(job.ForceHeight);

    MainWindowSettings stored;
    stored.ForceWidth = stored.ForceHeight = true;
    job.applyStored(stored);
    EXPECT_FALSE(job.ForceWidth);
    EXPECT_TRUE(job.ForceHeight);
}

TEST(RunState, ResizingKeepsOldSlotsAndClearsNewOnes)
{
    RunState state;
    state.resizeRunInfo(2);
    state.RunInfo[0] = { 10, 96, 72, "/a/x.jpg", "/b/Thumb001.jpg" };
    state.resizeRunInfo(1);
    state.resizeRunInfo(3);
    EXPECT_EQ(state.RunInfo[0].OutputPath, "/b/Thumb001.jpg");
    EXPECT_EQ(state.RunInfo[1].SourceSize, 0);
    EXPECT_TRUE(state.RunInfo[2].SourcePath.isEmpty());
}

} // namespace
} // namespace pixmaro

namespace pixmaro {
namespace {

using test::FakeMessages;

TEST(LeavingInputPage, NothingHighlightedThenDuplicateNamesWithEachAnswer)
{
    FakeMessages none;
    EXPECT_FALSE(CheckLeavingInputPage({}, none));
    EXPECT_EQ(none.texts, QStringList { "No files selected!" });

    const QStringList twins { "MYPIC1.BMP", "x.gif", "MYPIC1.JPG" };
    for (const bool ok : { true, false }) {
        FakeMessages boxes;
        boxes.duplicateAnswers = { ok };
        EXPECT_EQ(CheckLeavingInputPage(twins, boxes), ok);
        EXPECT_EQ(boxes.texts, QStringList { "TForm3: MYPIC1.BMP and MYPIC1.JPG" });
    }

    FakeMessages quiet;
    EXPECT_TRUE(CheckLeavingInputPage({ "pic.jpeg", "pic.jpg" }, quiet));
    EXPECT_TRUE(quiet.texts.isEmpty());
}

TEST(LeavingOutputPage, ChecksRunInOrderAndARefusalStopsThere)
{
    JobSettings rename;
    rename.ThumbMode = false;
    rename.InputFolder = rename.OutputFolder = "/photos";
    rename.NamingOption = 3;
    rename.ImageQualifier = "";
    FakeMessages refused;
    EXPECT_FALSE(CheckLeavingOutputPage(rename, { "a.jpg" }, refused));
    ASSERT_EQ(refused.shown.size(), 1u); // rename-only never asks about the folders
    EXPECT_TRUE(refused.texts[0].startsWith("Invalid output qualifier"));

    JobSettings thumbs;
    thumbs.InputFolder = thumbs.OutputFolder = "/photos";
    for (const MessageAnswer answer : { MessageAnswer::Yes, MessageAnswer::No }) {
        FakeMessages boxes;
        boxes.answers = { answer };
        EXPECT_EQ(CheckLeavingOutputPage(thumbs, { "a.jpg" }, boxes), answer == MessageAnswer::Yes);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    }

    // Yes to the folders, then the output of a.jpg would replace the selected Image001.jpg.
    JobSettings copy = rename;
    copy.RenameOnly = false;
    copy.ConvertTo = "No Conversion";
    copy.NamingOption = 0;
    copy.ImageQualifier = "Image";
    FakeMessages boxes;
    boxes.answers = { MessageAnswer::Yes };
    EXPECT_FALSE(CheckLeavingOutputPage(copy, { "a.jpg", "Image001.jpg" }, boxes));
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_EQ(boxes.texts[1],
        "The output of a.jpg would be written over the selected file Image001.jpg before it is "
        "processed, and its content would be lost.  Please choose a different naming option, "
        "qualifier or output folder, or turn off Overwrite Files.");

    copy.OverwriteFiles = false; // such outputs are skipped, nothing is lost
    FakeMessages skipped;
    skipped.answers = { MessageAnswer::Yes };
    EXPECT_TRUE(CheckLeavingOutputPage(copy, { "a.jpg", "Image001.jpg" }, skipped));
}

TEST(SourceReplacement, OutputsThatWouldReplaceSelectedSources)
{
    QTemporaryDir dir;
    const QString folder = QDir::cleanPath(dir.path());
    QDir().mkpath(folder + "/real");
    QFile::link(folder + "/real", folder + "/link");

    JobSettings copy;
    copy.ThumbMode = false;
    copy.RenameOnly = false;
    copy.ConvertTo = "No Conversion";
    copy.InputFolder = folder + "/real";
    const QStringList twoFiles { "a.jpg", "Image001.jpg" };
    for (const QString &output :
        { folder + "/real", folder + "/real/", folder + "/./real", folder + "/link" }) {
        copy.OutputFolder = output;
        EXPECT_TRUE(SameFolder(copy.InputFolder, output)) << output.toStdString();
        EXPECT_EQ(
            FindSourceReplacement(copy, twoFiles, Replacing::Other), (SourceReplacement { 1, 0 }));
    }
    copy.OutputFolder = folder;
    EXPECT_FALSE(FindSourceReplacement(copy, twoFiles, Replacing::Other).has_value());

    JobSettings thumbs;
    thumbs.InputFolder = thumbs.OutputFolder = folder;
    thumbs.NamingOption = 1;
    thumbs.ThumbQualifier = "";
    EXPECT_FALSE(FindSourceReplacement(thumbs, { "a.jpg" }, Replacing::Other).has_value());
    EXPECT_EQ(
        FindSourceReplacement(thumbs, { "a.jpg" }, Replacing::Own), (SourceReplacement { 0, 0 }));
    thumbs.ConvertTo = "gif"; // a.gif is another selected source
    EXPECT_EQ(FindSourceReplacement(thumbs, { "a.gif", "a.jpg" }, Replacing::Other),
        (SourceReplacement { 0, 1 }));

    // A copy onto itself is left alone by the run; an unusable sequence start decides nothing.
    copy.OutputFolder = copy.InputFolder;
    copy.NamingOption = 1;
    copy.ImageQualifier = "";
    EXPECT_FALSE(FindSourceReplacement(copy, { "a.jpg" }, Replacing::Own).has_value());
    thumbs.NamingOption = 0;
    thumbs.SequenceStart = "x";
    EXPECT_FALSE(FindSourceReplacement(thumbs, { "Thumb001.jpg" }, Replacing::Own).has_value());

    // Names holding place holders are shown as they are.
    copy.NamingOption = 0;
    copy.ImageQualifier = "%1";
    EXPECT_EQ(OutputReplacesSourceRefusal(copy, { "%2.jpg", "%1001.jpg" }),
        "The output of %2.jpg would be written over the selected file %1001.jpg before it is "
        "processed, and its content would be lost.  Please choose a different naming option, "
        "qualifier or output folder, or turn off Overwrite Files.");
}

} // namespace
} // namespace pixmaro
