// The main window's preview pane and the rules that fill it from the file lists.
#pragma once

#include "ui/PictureView.h"

namespace pixmaro {

class Messages;
class PreviewWindow;

/// The 97 × 84 preview pane (objectName "Image1", accessible name "Preview"): the loaded picture
/// stretched over the whole pane, its path and size in the hint.
class PreviewPane : public PictureView {
    Q_OBJECT
public:
    static constexpr int kWidth = 97;
    static constexpr int kHeight = 84;

    explicit PreviewPane(QWidget *parent = nullptr);
};

/// Whether a file-list entry is previewed: its last four characters, in upper case, are ".JPG",
/// "JPEG", ".GIF", ".BMP", ".WMF" or ".EMF".
bool IsPreviewableName(const QString &path);
/// "<path> - W: <width>, H: <height>".
QString PreviewHint(const QString &path, int width, int height);

enum class PreviewOutcome { Shown, Ignored, Failed };

/// A left press on the entry `name` of a file list read from `folder`. Ignored for a name that is
/// not of the six picture kinds. On a failed load "Could not open <path>" is shown and the pane
/// keeps its picture; on success the pane shows the picture with its hint and `window` takes the
/// path as its caption.
PreviewOutcome PreviewFromFileList(PreviewPane &pane, PreviewWindow &window, Messages &messages,
    const QString &folder, const QString &name);

/// A click on `entry` of the selected-source list, whose files lie in `inputFolder` (shown to the
/// user as `shownFolder`). No extension test; a failed load shows "Could not open <entry>" and
/// keeps the pane's picture.
PreviewOutcome PreviewFromSourceList(PreviewPane &pane, PreviewWindow &window, Messages &messages,
    const QString &inputFolder, const QString &shownFolder, const QString &entry);

/// A click on the pane: shows its picture (shared) and hint in `window`; nothing when empty.
void OpenFullSizePreview(const PreviewPane &pane, PreviewWindow &window);

} // namespace pixmaro
