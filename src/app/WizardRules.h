// The main window's rules that need no window: which page follows which, what each mode shows,
// and the confirmation page's summary.
#pragma once

#include "job/JobSettings.h"

#include <QString>

namespace pixmaro {

enum class WizardPage {
    InputFiles = 0,
    OutputOptions = 1,
    ThumbnailOptions = 2,
    Confirm = 3,
    Processing = 4
};

/// The page "Next =>" on the output page leads to: thumbnail options in thumbnail mode, else
/// straight to the confirmation.
WizardPage NextFromOutputPage(bool thumbMode);
/// The page "<= Back" on the confirmation page leads to.
WizardPage BackFromConfirmPage(bool thumbMode);

/// "Create Thumbnails" or "Rename/Convert Files", the mode title above the pages.
QString ModeTitle(bool thumbMode);
/// "Source Files: " and the number of selected files.
QString SourceFilesCaption(int count);

/// The output list's masks of "Show All Files" and "Show Graphic Files".
inline constexpr const char *kAllFilesMask = "*.*";
inline constexpr const char *kGraphicFilesMask = "*.jpeg;*.jpg;*.bmp;*.gif;*.wmf;*.emf";

/// What the output page and the summary show for a mode: the rename/copy choice, the output
/// controls (type, output tree and list, list masks, "Overwrite Files"), the rename notice, which
/// qualifier field, and the thumbnail rows of the summary.
struct OutputPageView {
    bool renameChoice = false;
    bool outputControls = false;
    bool renameNotice = false;
    bool thumbQualifier = false;
    bool imageQualifier = false;
    bool summaryThumbRows = false;
    friend bool operator==(const OutputPageView &, const OutputPageView &) = default;
};
OutputPageView OutputPageViewFor(bool thumbMode, bool renameOnly);

/// The size controls while the aspect ratio is kept or not: "Max Width/Height" and the two force
/// boxes with the ratio; "W", "H" and the height field without it.
struct SizeControlsView {
    bool maxLabel = false;
    bool forceBoxes = false;
    bool widthHeightLabels = false;
    bool heightField = false;
    friend bool operator==(const SizeControlsView &, const SizeControlsView &) = default;
};
SizeControlsView SizeControlsViewFor(bool keepRatio);

/// The confirmation page as it is filled each time it is shown.
struct ConfirmationSummary {
    QString inputDirectory;
    QString outputDirectory;
    QString fileTypes;
    QString convertTo;
    QString fileNames; // the sentence describing the new names
    bool thumbRows = false; // "Thumbnail Dimensions", "Thumbnail Resize:" and their values
    QString resize; // "Quality" or "Fast"
    bool sizeValues = false; // "W -" and "H -" with their values
    QString width;
    QString height;
    bool ratioLine = false;
    QString ratioText; // "Maintain aspect ratio, Max Width/Height - " and the width text
    bool jpegSlider = false; // "Jpeg Compression", its slider and value: exactly for "jpg"
    friend bool operator==(const ConfirmationSummary &, const ConfirmationSummary &) = default;
};
ConfirmationSummary SummaryFor(const JobSettings &job);

} // namespace pixmaro
