// The main window's rules without a window: page order, what each mode shows, the summary.
#include "app/WizardRules.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace pixmaro {

void PrintTo(const OutputPageView &v, std::ostream *os)
{
    *os << "{choice " << v.renameChoice << ", output " << v.outputControls << ", notice "
        << v.renameNotice << ", thumbQ " << v.thumbQualifier << ", imageQ " << v.imageQualifier
        << ", thumbRows " << v.summaryThumbRows << "}";
}

namespace {

TEST(WizardRules, PageOrderDependsOnTheMode)
{
    EXPECT_EQ(NextFromOutputPage(true), WizardPage::ThumbnailOptions);
    EXPECT_EQ(NextFromOutputPage(false), WizardPage::Confirm);
    EXPECT_EQ(BackFromConfirmPage(true), WizardPage::ThumbnailOptions);
    EXPECT_EQ(BackFromConfirmPage(false), WizardPage::OutputOptions);
}

TEST(WizardRules, OutputPageByMode)
{
    struct Row {
        bool thumbs, renameOnly;
        OutputPageView view;
    };
    const Row rows[] = {
        { true, true, { false, true, false, true, false, true } },
        { true, false, { false, true, false, true, false, true } },
        { false, true, { true, false, true, false, true, false } },
        { false, false, { true, true, false, false, true, false } },
    };
    for (const Row &row : rows)
        EXPECT_EQ(OutputPageViewFor(row.thumbs, row.renameOnly), row.view)
            << row.thumbs << row.renameOnly;
}

TEST(WizardRules, SizeControlsFollowTheRatio)
{
    EXPECT_EQ(SizeControlsViewFor(true), (SizeControlsView { true, true, false, false }));
    EXPECT_EQ(SizeControlsViewFor(false), (SizeControlsView { false, false, true, true }));
}

TEST(WizardRules, Captions)
{
    EXPECT_EQ(ModeTitle(true), "Create Thumbnails");
    EXPECT_EQ(ModeTitle(false), "Rename/Convert Files");
    EXPECT_EQ(SourceFilesCaption(3), "Source Files: 3");
}

JobSettings Job(bool thumbs, bool renameOnly)
{
    JobSettings job;
    job.ThumbMode = thumbs;
    job.RenameOnly = renameOnly;
    job.InputFolder = "/in";
    job.OutputFolder = "/out";
    job.ConvertTo = "jpg";
    job.MaxWidth = "100";
    job.MaxHeight = "75";
    return job;
}

TEST(WizardRules, SummaryOfEachMode)
{
    JobSettings thumbs = Job(true, true);
    ConfirmationSummary s = SummaryFor(thumbs);
    EXPECT_EQ(s.outputDirectory, "/out");
    EXPECT_EQ(s.convertTo, "jpg");
    EXPECT_EQ(s.fileNames, "...Will start with Thumb001 and be numbered sequentially");
    EXPECT_TRUE(s.thumbRows && s.sizeValues && s.jpegSlider);
    EXPECT_FALSE(s.ratioLine);
    EXPECT_EQ(s.resize, "Quality");
    thumbs.KeepRatio = true;
    thumbs.ResizeSpeed = 0;
    s = SummaryFor(thumbs);
    EXPECT_TRUE(s.ratioLine);
    EXPECT_FALSE(s.sizeValues);
    EXPECT_EQ(s.ratioText, "Maintain aspect ratio, Max Width/Height - 100");
    EXPECT_EQ(s.resize, "Fast");

    // A rename stays in the input folder and keeps the type: no JPEG quality to choose.
    const ConfirmationSummary rename = SummaryFor(Job(false, true));
    EXPECT_EQ(rename.outputDirectory, "/in");
    EXPECT_EQ(rename.convertTo, "No Conversion");
    EXPECT_FALSE(rename.jpegSlider || rename.thumbRows);
    EXPECT_EQ(rename.fileNames, "...Will start with Image001 and be numbered sequentially");

    JobSettings copy = Job(false, false);
    EXPECT_EQ(SummaryFor(copy).outputDirectory, "/out");
    EXPECT_TRUE(SummaryFor(copy).jpegSlider);
    copy.ConvertTo = "JPG";
    EXPECT_FALSE(SummaryFor(copy).jpegSlider) << "compared as exact text";
}

} // namespace
} // namespace pixmaro
