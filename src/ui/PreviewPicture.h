// A picture loaded for the preview: drawn once at its own size, shared by every view showing it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

namespace pixmaro {

/// One previewed file. Views hold it through a shared pointer, so the pane and the full-size
/// window show the same picture without a copy; it never changes after loading.
struct PreviewPicture {
    QString path;
    QImage image; ///< the picture 1:1 (a GIF's first frame and a metafile drawn on white)
    QByteArray animation; ///< the file's bytes when it is a GIF of more than one frame

    int width() const { return image.width(); }
    int height() const { return image.height(); }
};

using SharedPicture = std::shared_ptr<const PreviewPicture>;

/// Loads the picture at `path` (its kind chosen by the extension). Returns null when the path is
/// not a regular file (a pipe is never opened) or does not hold a picture that decodes.
SharedPicture LoadPreviewPicture(const QString &path);

} // namespace pixmaro
