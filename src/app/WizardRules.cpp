// The main window's rules that need no window: which page follows which, what each mode shows,
// and the confirmation page's summary.
#include "app/WizardRules.h"

#include "job/Naming.h"

namespace pixmaro {

WizardPage NextFromOutputPage(bool thumbMode)
{
    return thumbMode ? WizardPage::ThumbnailOptions : WizardPage::Confirm;
}

WizardPage BackFromConfirmPage(bool thumbMode)
{
    return thumbMode ? WizardPage::ThumbnailOptions : WizardPage::OutputOptions;
}

QString ModeTitle(bool thumbMode)
{
    return thumbMode ? QStringLiteral("Create Thumbnails") : QStringLiteral("Rename/Convert Files");
}

QString SourceFilesCaption(int count)
{
    return QStringLiteral("Source Files: ") + QString::number(count);
}

OutputPageView OutputPageViewFor(bool thumbMode, bool renameOnly)
{
    OutputPageView view;
    view.renameChoice = !thumbMode;
    view.outputControls = thumbMode || !renameOnly;
    view.renameNotice = !thumbMode && renameOnly;
    view.thumbQualifier = thumbMode;
    view.imageQualifier = !thumbMode;
    view.summaryThumbRows = thumbMode;
    return view;
}

SizeControlsView SizeControlsViewFor(bool keepRatio)
{
    SizeControlsView view;
    view.maxLabel = keepRatio;
    view.forceBoxes = keepRatio;
    view.widthHeightLabels = !keepRatio;
    view.heightField = !keepRatio;
    return view;
}

ConfirmationSummary SummaryFor(const JobSettings &job)
{
    ConfirmationSummary s;
    s.inputDirectory = job.InputFolder;
    s.outputDirectory = job.OutputFolder;
    s.fileTypes = job.FileMask;
    s.convertTo = job.ConvertTo;
    if (job.renames()) {
        // A rename leaves the files in their folder and their type as it is.
        s.outputDirectory = job.InputFolder;
        s.convertTo = QStringLiteral("No Conversion");
    }
    s.fileNames
        = FileNameSentence(NamingOption(job.NamingOption), job.qualifier(), job.SequenceStart);
    s.thumbRows = job.ThumbMode;
    if (job.ThumbMode) {
        s.resize = job.ResizeSpeed == 1 ? QStringLiteral("Quality") : QStringLiteral("Fast");
        s.sizeValues = !job.KeepRatio;
        s.ratioLine = job.KeepRatio;
        s.width = job.MaxWidth;
        s.height = job.MaxHeight;
        s.ratioText = QStringLiteral("Maintain aspect ratio, Max Width/Height - ") + job.MaxWidth;
    }
    s.jpegSlider = s.convertTo == QLatin1String("jpg");
    return s;
}

} // namespace pixmaro
