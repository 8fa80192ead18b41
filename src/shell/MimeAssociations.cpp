// Whether the desktop has a program for a file type: the freedesktop.org associations between
// MIME types and applications (mimeapps.list files and the MimeType keys of .desktop entries).
#include "shell/MimeAssociations.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <utility>

namespace pixmaro {

namespace {

// Desktop entries and mimeapps.list files are small; a larger file is not one and is ignored.
constexpr qint64 kMaxKeyFileSize = 1024 * 1024;

using KeyFile = QHash<QString, QHash<QString, QString>>;

/// A key file (the desktop entry format): groups of key=value lines. Comments and blank lines are
/// skipped; localised keys ("Name[de]") are kept as plain keys and never asked for.
KeyFile ReadKeyFile(const QString &path)
{
    KeyFile groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxKeyFileSize)
        return groups;
    QString group;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !group.isEmpty()) {
            const QString key = line.left(eq).trimmed();
            // The first occurrence of a key wins, as in a desktop entry reader.
            if (!groups[group].contains(key))
                groups[group].insert(key, line.mid(eq + 1).trimmed());
        }
    }
    return groups;
}

/// A string list value: items separated by ';', the last ';' optional.
QStringList ListValue(const QString &value)
{
    QStringList items = value.split(u';', Qt::SkipEmptyParts);
    for (QString &item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}

QStringList AbsoluteDirs(const QByteArray &variable, const QStringList &fallback)
{
    QStringList dirs;
    for (const QString &dir : QString::fromLocal8Bit(qgetenv(variable)).split(u':')) {
        if (QDir::isAbsolutePath(dir))
            dirs << QDir::cleanPath(dir);
    }
    return dirs.isEmpty() ? fallback : dirs;
}

QString AbsoluteDir(const QByteArray &variable, const QString &fallback)
{
    const QString dir = QString::fromLocal8Bit(qgetenv(variable));
    return QDir::isAbsolutePath(dir) ? QDir::cleanPath(dir) : fallback;
}

} // namespace

XdgDirs XdgDirs::FromEnvironment()
{
    const QString home = QDir::homePath();
    XdgDirs dirs;
    dirs.configHome = AbsoluteDir("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    dirs.configDirs = AbsoluteDirs("XDG_CONFIG_DIRS", { QStringLiteral("/etc/xdg") });
    dirs.dataHome = AbsoluteDir("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    dirs.dataDirs = AbsoluteDirs(
        "XDG_DATA_DIRS", { QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share") });
    for (const QString &desktop :
        QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).split(u':', Qt::SkipEmptyParts))
        dirs.desktops << desktop.toLower();
    return dirs;
}

MimeAssociations::MimeAssociations(XdgDirs dirs, std::function<bool(const QString &)> programExists)
    : m_dirs(std::move(dirs))
    , m_programExists(std::move(programExists))
{
}

QStringList MimeAssociations::applicationDirs() const
{
    QStringList dirs { m_dirs.dataHome + QStringLiteral("/applications") };
    for (const QString &dir : m_dirs.dataDirs)
        dirs << dir + QStringLiteral("/applications");
    return dirs;
}

QStringList MimeAssociations::mimeAppsLists() const
{
    // Highest precedence first: the user's configuration, the system's configuration, then the
    // lists beside the installed applications; in each folder the desktop's own list first.
    QStringList folders { m_dirs.configHome };
    folders << m_dirs.configDirs << applicationDirs();
    QStringList lists;
    for (const QString &folder : folders) {
        for (const QString &desktop : m_dirs.desktops)
            lists << folder + u'/' + desktop + QStringLiteral("-mimeapps.list");
        lists << folder + QStringLiteral("/mimeapps.list");
    }
    return lists;
}

QString MimeAssociations::desktopEntryPath(const QString &id) const
{
    if (!id.endsWith(QStringLiteral(".desktop")) || id.contains(u'/'))
        return QString();
    for (const QString &dir : applicationDirs()) {
        // "a-b-c.desktop" may be a-b-c.desktop, a/b-c.desktop, a-b/c.desktop or a/b/c.desktop.
        const QStringList parts = id.split(u'-');
        const int joints = int(parts.size()) - 1;
        if (joints > 12)
            continue; // more shapes than any real entry needs to be looked for
        for (int mask = 0; mask < (1 << joints); ++mask) {
            QString relative = parts.first();
            for (int i = 0; i < joints; ++i)
                relative += ((mask >> i) & 1 ? u'/' : u'-') + parts[i + 1];
            const QString path = dir + u'/' + relative;
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return QString();
}

bool MimeAssociations::installed(const KeyFile &file) const
{
    const auto entry = file.constFind(QStringLiteral("Desktop Entry"));
    if (entry == file.constEnd())
        return false;
    if (entry->value(QStringLiteral("Type")) != QLatin1String("Application"))
        return false;
    if (entry->value(QStringLiteral("Hidden")) == QLatin1String("true"))
        return false;
    const QString tryExec = entry->value(QStringLiteral("TryExec"));
    return tryExec.isEmpty() || m_programExists(tryExec);
}

bool MimeAssociations::installed(const QString &id) const
{
    const QString path = desktopEntryPath(id);
    return !path.isEmpty() && installed(ReadKeyFile(path));
}

bool MimeAssociations::canOpen(const QStringList &mimeTypes) const
{
    // An association removed by a list hides it in every list of lower precedence and in the
    // desktop entries.
    QSet<QString> removed; // "type\nid"
    auto key = [](const QString &type, const QString &id) { return type + u'\n' + id; };

    for (const QString &list : mimeAppsLists()) {
        const KeyFile file = ReadKeyFile(list);
        if (file.isEmpty())
            continue;
        for (const QString &type : mimeTypes) {
            QStringList offered
                = ListValue(file.value(QStringLiteral("Default Applications")).value(type));
            offered << ListValue(file.value(QStringLiteral("Added Associations")).value(type));
            for (const QString &id : offered) {
                if (!removed.contains(key(type, id)) && installed(id))
                    return true;
            }
        }
        const auto removals = file.value(QStringLiteral("Removed Associations"));
        for (auto it = removals.constBegin(); it != removals.constEnd(); ++it) {
            for (const QString &id : ListValue(it.value()))
                removed.insert(key(it.key(), id));
        }
    }

    // The desktop entries themselves: the first entry of each ID, by folder precedence.
    QSet<QString> seen;
    for (const QString &dir : applicationDirs()) {
        QDirIterator it(dir, { QStringLiteral("*.desktop") }, QDir::Files,
            QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString id = QDir(dir).relativeFilePath(path).replace(u'/', u'-');
            if (seen.contains(id))
                continue;
            seen.insert(id);
            const KeyFile file = ReadKeyFile(path);
            const QStringList types = ListValue(
                file.value(QStringLiteral("Desktop Entry")).value(QStringLiteral("MimeType")));
            for (const QString &type : mimeTypes) {
                if (types.contains(type) && !removed.contains(key(type, id)) && installed(file))
                    return true;
            }
        }
    }
    return false;
}

} // namespace pixmaro
