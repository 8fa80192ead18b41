// Paths: a folder and a name joined with the platform's separator.
#pragma once

#include <QDir>
#include <QString>

namespace pixmaro {

/// `folder`, the separator (unless the folder already ends in one) and `name`.
inline QString PathIn(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/') || folder.endsWith(QDir::separator()))
        return folder + name;
    return folder + QDir::separator() + name;
}

} // namespace pixmaro
