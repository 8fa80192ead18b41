// Link and path resolution: the address prefixes of the originals and the thumbnails.
#include "html/LinkResolution.h"

#include <QStringList>

#include <algorithm>

namespace pixmaro {

namespace {

bool IsWindowsPath(const QString &path)
{
    return (path.size() >= 2 && path.at(1) == u':') || path.contains(u'\\');
}

bool SameAscii(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QChar x = a.at(i), y = b.at(i);
        if (x.unicode() >= 'a' && x.unicode() <= 'z')
            x = QChar(x.unicode() - 32);
        if (y.unicode() >= 'a' && y.unicode() <= 'z')
            y = QChar(y.unicode() - 32);
        if (x != y)
            return false;
    }
    return true;
}

QString Reference(const QStringList &pageNames, const QStringList &targetNames, bool ignoreCase)
{
    const qsizetype shared = std::min(pageNames.size(), targetNames.size());
    qsizetype k = 0;
    while (k < shared
        && (ignoreCase ? SameAscii(pageNames[k], targetNames[k]) : pageNames[k] == targetNames[k]))
        ++k;
    QString result;
    for (qsizetype i = k; i < pageNames.size(); ++i)
        result += QStringLiteral("../");
    if (targetNames.size() > k)
        result += targetNames.mid(k).join(u'/') + u'/';
    return result;
}

} // namespace

QString RelativeFolderReference(const QString &page, const QString &target)
{
    if (IsWindowsPath(page) || IsWindowsPath(target)) {
        QString p = page, t = target;
        if (p.endsWith(u'\\'))
            p.chop(1);
        if (t.endsWith(u'\\'))
            t.chop(1);
        if (SameAscii(p, t))
            return QString();
        if (p.isEmpty() || t.isEmpty() || !SameAscii(p.left(1), t.left(1)))
            return QStringLiteral("*");
        // The part before the first "\" is the drive, not a folder name.
        const QStringList pageNames = p.split(u'\\').mid(1);
        const QStringList targetNames = t.split(u'\\').mid(1);
        return Reference(pageNames, targetNames, true).replace(u'\\', u'/');
    }
    const QStringList pageNames = page.split(u'/', Qt::SkipEmptyParts);
    const QStringList targetNames = target.split(u'/', Qt::SkipEmptyParts);
    if (pageNames == targetNames)
        return QString();
    return Reference(pageNames, targetNames, false);
}

QString FolderOf(const QString &path)
{
    const qsizetype at = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.left(at + 1);
}

QString FileNameOf(const QString &path)
{
    const qsizetype at = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(at + 1);
}

QString LocalDriveAddress(const QString &folderWithSeparator)
{
    if (folderWithSeparator.startsWith(u'/'))
        return QStringLiteral("file://") + folderWithSeparator;
    return QStringLiteral("file:///") + folderWithSeparator;
}

std::optional<QString> ApplyModeRule(LinkSide side, const QString &pageFolder)
{
    switch (LinkMode(side.mode)) {
    case LinkMode::LocalDrive:
        side.address = LocalDriveAddress(side.folder);
        break;
    case LinkMode::ExplicitInternet:
        side.address = side.httpPrefix;
        break;
    case LinkMode::RelativeLocation:
        side.address = side.relativePrefix;
        if (RelativeFolderReference(pageFolder, side.folder) == QLatin1String("*"))
            return QString::fromLatin1(kDifferentDriveWarning);
        break;
    case LinkMode::GenericLocation:
        side.address.clear();
        break;
    }
    return std::nullopt;
}

void RememberAddress(LinkSide side)
{
    if (LinkMode(side.mode) == LinkMode::ExplicitInternet)
        side.httpPrefix = side.address;
    else if (LinkMode(side.mode) == LinkMode::RelativeLocation)
        side.relativePrefix = side.address;
}

void DeriveAddressesOnOpening(HtmlOptions &options, LinkPrefixes &prefixes,
    const QString &pageFolder, const QString &originalsFolder, const QString &thumbsFolder)
{
    LinkSide originals { options.OriginalLinkOpt, options.OriginalLinkAddress,
        prefixes.OriginalHttpPrefix, prefixes.OriginalRelativePrefix, originalsFolder };
    LinkSide thumbs { options.ThumbLinkOpt, options.ThumbLinkAddress, prefixes.ThumbHttpPrefix,
        prefixes.ThumbRelativePrefix, thumbsFolder };
    for (LinkSide *side : { &originals, &thumbs }) {
        side->relativePrefix = RelativeFolderReference(pageFolder, side->folder);
        if (side->relativePrefix == QLatin1String("*")) {
            side->relativePrefix = LocalDriveAddress(side->folder);
            side->mode = int(LinkMode::LocalDrive);
        }
    }
    ApplyModeRule(originals, pageFolder);
    ApplyModeRule(thumbs, pageFolder);
}

} // namespace pixmaro
