// The input file list: the files of a folder that match the file-type mask, in list order.
#include "job/FileList.h"

#include <QCollator>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace pixmaro {

namespace {

bool SameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

bool MatchesPlain(QStringView name, QStringView pattern)
{
    qsizetype n = 0, p = 0;
    qsizetype starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            // Let the last star take one more character and try again from there.
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

// The regular files of a folder (links followed), hidden ones included, by their shown names.
QStringList FolderFiles(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info { };
        if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        names << ShownFileName(QByteArray(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

} // namespace

QString ShownFileName(const QByteArray &raw)
{
    const QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) == raw)
        return name;
    // Bytes that are not UTF-8 are shown as \xNN; the rest decodes as usual.
    QString shown;
    qsizetype i = 0;
    while (i < raw.size()) {
        const auto lead = uchar(raw[i]);
        const int length = lead < 0x80 ? 1
            : (lead >> 5) == 6         ? 2
            : (lead >> 4) == 14        ? 3
            : (lead >> 3) == 30        ? 4
                                       : 0;
        if (length > 0 && i + length <= raw.size()) {
            const QByteArray piece = raw.mid(i, length);
            const QString decoded = QString::fromUtf8(piece);
            if (decoded.toUtf8() == piece && !decoded.contains(QChar::ReplacementCharacter)) {
                shown += decoded;
                i += length;
                continue;
            }
        }
        shown
            += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
        ++i;
    }
    return shown;
}

bool MatchesWildcard(QStringView name, QStringView pattern)
{
    if (MatchesPlain(name, pattern))
        return true;
    return pattern.endsWith(u".*") && !name.contains(u'.')
        && MatchesPlain(name, pattern.chopped(2));
}

void SortFileNames(QStringList &names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
        [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

QStringList ListFiles(const QString &folder, const QString &mask)
{
    if (folder.isEmpty())
        return {};
    const QStringList files = FolderFiles(folder);
    QStringList list;
    for (const QString &rawPart : mask.split(u';')) {
        const QString part = rawPart.trimmed();
        if (part.isEmpty())
            continue;
        for (const QString &name : files) {
            if (MatchesWildcard(name, part))
                list.append(name);
        }
    }
    SortFileNames(list);
    return list;
}

std::optional<QStringList> SelectedFromHighlighted(
    const QStringList &entries, const std::vector<bool> &highlighted)
{
    QStringList selected;
    for (qsizetype i = 0; i < entries.size() && size_t(i) < highlighted.size(); ++i) {
        if (highlighted[size_t(i)])
            selected.append(entries[i]);
    }
    if (selected.isEmpty())
        return std::nullopt;
    return selected;
}

} // namespace pixmaro
