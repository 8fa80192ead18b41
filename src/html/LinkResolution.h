// Link and path resolution: the address prefixes of the originals and the thumbnails.
#pragma once

#include "settings/HtmlOptions.h"

#include <QString>

#include <optional>

namespace pixmaro {

/// The prefixes the options dialog keeps for the program run.
struct LinkPrefixes {
    QString OriginalHttpPrefix = "http://";
    QString ThumbHttpPrefix = "http://";
    QString OriginalRelativePrefix = "images/";
    QString ThumbRelativePrefix = "images/";
};

inline constexpr const char *kDifferentDriveWarning
    = "*WARNING* Pixmaro cannot use relative\r\n reference to files on a different drive.";

/// The relative reference from folder `page` to folder `target`: "../" for each level up, then the
/// target's remaining folder names joined by "/", ending in "/"; "" for the same folder; "*" for
/// folders on different drives. Windows paths ("C:\Web") compare their names ignoring ASCII case;
/// POSIX paths ("/home/ann/web") compare them exactly, as the file system does, and have no drives.
QString RelativeFolderReference(const QString &page, const QString &target);

/// The folder part of a full path, with its trailing separator ("C:\Pics\", "/home/ann/Pics/").
QString FolderOf(const QString &path);
/// The file name of a full path: the part after its last separator.
QString FileNameOf(const QString &path);
/// The local-drive address of a folder: "file:///C:\Pics\" on Windows, "file:///home/ann/Pics/" on
/// POSIX; the folder keeps its trailing separator.
QString LocalDriveAddress(const QString &folderWithSeparator);

/// One side (originals or thumbnails) of the link options, as references into the options.
struct LinkSide {
    int &mode;
    QString &address;
    QString &httpPrefix;
    QString &relativePrefix;
    QString folder; // the folder of the files, with its trailing separator
};

/// Sets the side's address from its mode. Returns the warning to show when the relative mode is
/// chosen for files on another drive than the page.
std::optional<QString> ApplyModeRule(LinkSide side, const QString &pageFolder);

/// Leaving an address field: its text becomes the side's http or relative prefix in those modes.
void RememberAddress(LinkSide side);

/// What opening the options dialog does before it is shown: the relative prefixes are computed
/// afresh from the page folder (falling back to the local-drive address, and that mode, for files
/// on another drive), and both addresses are set from their modes.
void DeriveAddressesOnOpening(HtmlOptions &options, LinkPrefixes &prefixes,
    const QString &pageFolder, const QString &originalsFolder, const QString &thumbsFolder);

} // namespace pixmaro
