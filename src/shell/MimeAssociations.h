// Whether the desktop has a program for a file type: the freedesktop.org associations between
// MIME types and applications (mimeapps.list files and the MimeType keys of .desktop entries).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace pixmaro {

/// The freedesktop.org base folders the associations are read from.
struct XdgDirs {
    QString configHome; // $XDG_CONFIG_HOME, default ~/.config
    QStringList configDirs; // $XDG_CONFIG_DIRS, default /etc/xdg
    QString dataHome; // $XDG_DATA_HOME, default ~/.local/share
    QStringList dataDirs; // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
    QStringList desktops; // $XDG_CURRENT_DESKTOP, lower case ("gnome", "kde")

    /// The folders of the running process's environment. Relative paths in the variables are
    /// ignored, as the base directory rules require.
    static XdgDirs FromEnvironment();
};

/// The applications the desktop associates with MIME types.
class MimeAssociations {
public:
    /// `programExists` says whether a desktop entry's TryExec program can be found.
    MimeAssociations(XdgDirs dirs, std::function<bool(const QString &)> programExists);

    /// Whether an installed application opens any of `mimeTypes` (a type and its ancestors): a
    /// default application or an added association of a mimeapps.list file, or a desktop entry
    /// listing the type, unless a mimeapps.list file removes that association. Entries that are
    /// Hidden, not of Type=Application or whose TryExec program is missing are not installed.
    bool canOpen(const QStringList &mimeTypes) const;

    /// The installed desktop entry with the desktop-file ID `id` ("org.gnome.gedit.desktop";
    /// a file in a subfolder "kde/okular.desktop" has the ID "kde-okular.desktop"), or empty.
    QString desktopEntryPath(const QString &id) const;

private:
    QStringList mimeAppsLists() const;
    QStringList applicationDirs() const;
    using KeyFile = QHash<QString, QHash<QString, QString>>;
    bool installed(const QString &id) const;
    bool installed(const KeyFile &entry) const;

    XdgDirs m_dirs;
    std::function<bool(const QString &)> m_programExists;
};

} // namespace pixmaro
