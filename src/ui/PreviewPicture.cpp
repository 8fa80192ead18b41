// A picture loaded for the preview: drawn once at its own size, shared by every view showing it.
#include "ui/PreviewPicture.h"

#include "imaging/Picture.h"
#include "imaging/gif/GifAnimator.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixmaro {

namespace {

// Whether `path` is a regular file now; asked without opening it, so a pipe cannot block.
bool IsRegularFile(const QString &path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

SharedPicture LoadPreviewPicture(const QString &path)
{
    if (!IsRegularFile(path))
        return nullptr;
    Picture picture;
    if (!LoadPicture(path, picture))
        return nullptr;
    auto loaded = std::make_shared<PreviewPicture>();
    loaded->path = path;
    WorkingBitmap raster;
    MoveToBitmap(raster, picture);
    loaded->image = ImageOver(raster).convertToFormat(QImage::Format_RGB32);
    if (loaded->image.isNull())
        return nullptr;
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (IsRegularFile(path) && file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            gif::GifAnimator probe;
            if (probe.open(bytes) && probe.isAnimated())
                loaded->animation = bytes;
        }
    }
    return loaded;
}

} // namespace pixmaro
