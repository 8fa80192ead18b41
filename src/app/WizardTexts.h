// The fixed texts of the main window: page captions and titles, help texts and explanations.
#pragma once

namespace pixmaro {

inline constexpr const char *kMainWindowCaption
    = "Pixmaro - Batch Thumbnails, Renaming and Galleries";

/// Tab captions and titles of the five wizard pages, in page order.
inline constexpr const char *kTabCaptions[] = { "Input File Selection", "Ouput File Options",
    "Thumbnail Options", "Confirm Selections", "Processing..." };
inline constexpr const char *kPageTitles[] = { "Select Source Files",
    "Specify Output Folder and File Names", "Specify Thumbnail Processing Options",
    "Confirm Settings, Press GO to begin", "Processing File:" };

/// The help box's text for each page, lines separated by CR LF.
inline constexpr const char *kHelpTexts[] = {
    "Input File Selection\r\n"
    "\r\n"
    "  First select the processing option:\r\n"
    "    - Create Thumbnails\r\n"
    "    - Rename, Copy, or Convert Files\r\n"
    "\r\n"
    "  Next select the files for processing by using the left pane to navigate to the desired "
    "folder.\r\n"
    "\r\n"
    "  Then, Hilite the files for processing in the right pane.\r\n"
    "\r\n"
    "  When ready, click the Next button.",

    "Output File Options\r\n"
    "\r\n"
    "  If you chose Rename/Copy/Convert on the previous page, you must now decide if you want to "
    "just Rename the selected files or Copy with an optional Conversion.\r\n"
    "\r\n"
    "  Use the left pane to navigate to the Output directory.\r\n"
    "\r\n"
    "  Choose the file type for the ouput files (not available for rename).\r\n"
    "\r\n"
    "  Choose the output file name option.\r\n"
    "\r\n"
    "  Modify the Prefix and sequence number for new files if desired.\r\n"
    "\r\n"
    "  When ready, click the Next button.",

    "Thumbnail Options\r\n"
    "\r\n"
    "  Choose the resize speed for the new thumbnails.  This really refers to the quality of the "
    "thumbnail images, and I recommend using the default of Quality resize.\r\n"
    "\r\n"
    "  Choose the thumbnail image size.",

    "Confirm Selections\r\n"
    "\r\n"
    "  Review all information to make sure it's correct.\r\n"
    "\r\n"
    "  If you're converting files to jpg, choose the Jpeg compression.  A higher number means "
    "higher quality images at the expense of larger file sizes.\r\n"
    "\r\n"
    "  If you're not renaming files, decide if you want same-named files in the target directory "
    "to be overwritten.\r\n"
    "\r\n"
    "  When everything is ready, click GO.",

    "The selected files are now being processed.  You can press Cancel at any time during the "
    "operation.\r\n"
    "\r\n"
    "When processing is complete, you can create a HTML file, or click the OK button to go back to "
    "the beginning screen.",
};

inline constexpr const char *kResizeSpeedExplanation
    = "The 'Resize Speed' refers to the speed of thumbnail creation.  As its name implies, Fast "
      "Resize is the quicker of the two, but the image quality is not as good.  I recommend using "
      "Quality Resize, especially for web pages.  It's not much slower, and produces good quality "
      "images. ";
inline constexpr const char *kAspectRatioExplanation
    = "Maintain Aspect Ratio will keep width and height relative, with the larger of the two being "
      "the Max Width/Height, unless the source image is already smaller than the Max.  For "
      "example, if the original image is 400 x 300 and max is 100, the new thumb will be 100 x "
      "75.";

inline constexpr const char *kRenameNotice = "Renames Are Done in the Same Directory.";
inline constexpr const char *kDoHtmlNote
    = "(If HTML is multi-page, only first page will open in the editor)";
inline constexpr const char *kResetConfirmation
    = "Confirmation - by choosing Yes, you will reset\r\nall options to their original default "
      "settings.\r\n\r\nProceed?";

/// The hints of the five small buttons above the pages; each is also the button's accessible name.
inline constexpr const char *kResetHint = "Reset Settings to Defaults";
inline constexpr const char *kRefreshHint = "Refresh Directory & File lists";
inline constexpr const char *kExplorerHint = "Launch Explorer";
inline constexpr const char *kAboutHint = "About Pixmaro";
inline constexpr const char *kHelpHint = "Pixmaro Help";

} // namespace pixmaro
