// Where the output-location dialog opens: the first of its candidate folders that exists.
#include "html/OutputLocation.h"

#include "settings/MainWindowSettings.h"

#include <QDir>
#include <QFileInfo>

namespace pixmaro {

QString LocationStartFolder(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir())
            return QDir::toNativeSeparators(QDir::cleanPath(candidate));
    }
    for (const QString &candidate : candidates) {
        if (const auto found = NearestExistingFolder(candidate))
            return QDir::toNativeSeparators(*found);
    }
    return QDir::toNativeSeparators(QDir::rootPath());
}

} // namespace pixmaro
