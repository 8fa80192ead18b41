// The input file list: the files of a folder that match the file-type mask, in list order.
#include "job/FileList.h"

#include <QCollator>
#include <QDir>

#include <algorithm>

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

} // namespace

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
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
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
