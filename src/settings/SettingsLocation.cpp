// Where the settings file lives, and the folder that stands for "the root of the current drive".
#include "settings/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pixmaro {

QString SettingsFilePath(const QString &executableDir)
{
    const QString beside = QDir(executableDir).filePath(kSettingsFileName);
    const QFileInfo folder(executableDir);
    if (QFileInfo::exists(beside) || (folder.isDir() && folder.isWritable()))
        return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Pixmaro/") + kSettingsFileName);
}

QString CurrentDriveRoot()
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QDir::currentPath()).left(3);
#else
    return QStringLiteral("/");
#endif
}

} // namespace pixmaro
