// The input file list: the files of a folder that match the file-type mask, in list order.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace pixmaro {

/// Whether `name` matches one wildcard pattern: '*' stands for any run of characters, '?' for one
/// character, every other character for itself, ignoring letter case. A pattern ending in ".*"
/// also matches a name without any extension, so "*.*" matches every name.
bool MatchesWildcard(QStringView name, QStringView pattern);

/// A file name as the program shows and uses it: its UTF-8 text, or, for a name that is not
/// valid UTF-8, the text with each byte that is not shown as "\xNN" (such a name cannot be
/// opened by its shown text: a run reports it as a file it could not open).
QString ShownFileName(const QByteArray &raw);

/// Sorts file names as the file list shows them: ascending by the user's locale, ignoring case.
void SortFileNames(QStringList &names);

/// The file list of `folder`: for each ";"-separated part of `mask` in turn, every regular file
/// (links followed; no folders, pipes or devices) whose name matches it, then the whole list sorted
/// by SortFileNames. A file matching two parts is listed twice. An unreadable or missing folder
/// gives an empty list.
QStringList ListFiles(const QString &folder, const QString &mask);

/// The selected files: the highlighted entries in list order, or nothing when none is highlighted
/// (the caller shows "No files selected!"). `highlighted` has one flag per entry.
std::optional<QStringList> SelectedFromHighlighted(
    const QStringList &entries, const std::vector<bool> &highlighted);

} // namespace pixmaro
