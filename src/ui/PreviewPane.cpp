// The main window's preview pane and the rules that fill it from the file lists.
#include "ui/PreviewPane.h"

#include "base/Paths.h"
#include "filecmds/FileCommands.h"
#include "imaging/PreviewWindow.h"
#include "shell/Messages.h"

namespace pixmaro {

PreviewPane::PreviewPane(QWidget *parent)
    : PictureView(Fit::Stretch, parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAccessibleName(QStringLiteral("Preview"));
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
}

bool IsPreviewableName(const QString &path)
{
    static const QStringList kEndings
        = { QStringLiteral(".JPG"), QStringLiteral("JPEG"), QStringLiteral(".GIF"),
              QStringLiteral(".BMP"), QStringLiteral(".WMF"), QStringLiteral(".EMF") };
    return kEndings.contains(path.right(4).toUpper());
}

QString PreviewHint(const QString &path, int width, int height)
{
    return path + QStringLiteral(" - W: ") + QString::number(width) + QStringLiteral(", H: ")
        + QString::number(height);
}

PreviewOutcome PreviewFromFileList(PreviewPane &pane, PreviewWindow &window, Messages &messages,
    const QString &folder, const QString &name)
{
    const QString path = PathIn(folder, name);
    if (!IsPreviewableName(path))
        return PreviewOutcome::Ignored;
    // Loaded aside and swapped in only when it worked, so a bad file leaves the pane as it was.
    SharedPicture picture = LoadPreviewPicture(path);
    if (!picture) {
        messages.inform(QString::fromUtf16(kCouldNotOpenText) + path);
        return PreviewOutcome::Failed;
    }
    const QString hint = PreviewHint(path, picture->width(), picture->height());
    pane.setPicture(std::move(picture));
    window.setCaption(path);
    pane.setHint(hint);
    return PreviewOutcome::Shown;
}

PreviewOutcome PreviewFromSourceList(PreviewPane &pane, PreviewWindow &window, Messages &messages,
    const QString &inputFolder, const QString &shownFolder, const QString &entry)
{
    SharedPicture picture = LoadPreviewPicture(PathIn(inputFolder, entry));
    if (!picture) {
        messages.inform(QString::fromUtf16(kCouldNotOpenText) + entry);
        return PreviewOutcome::Failed;
    }
    const QString shown = PathIn(shownFolder, entry);
    const QString hint = PreviewHint(shown, picture->width(), picture->height());
    pane.setPicture(std::move(picture));
    pane.setHint(hint);
    window.setCaption(shown);
    return PreviewOutcome::Shown;
}

void OpenFullSizePreview(const PreviewPane &pane, PreviewWindow &window)
{
    if (!pane.hasPicture())
        return;
    window.showPicture(pane.picture(), pane.hint());
}

} // namespace pixmaro
