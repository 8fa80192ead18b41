// Tests of the checks made before a run.
#include "job/PreRunChecks.h"

#include "job/RunState.h"
#include "support/TempFiles.h"

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
