// Find and replace in the editor's text: searches that never wrap, and replacements that always
// end.
#pragma once

#include <QString>

#include <optional>

namespace pixmaro {

struct FindOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true; // search towards the end of the text; false: towards its start
};

/// A stretch of the text: `start` and its `length` in UTF-16 units.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
    friend bool operator==(const TextRange &, const TextRange &) = default;
};

/// The next occurrence of `what` in `text` from the selection `selection`: downwards from its end
/// to the end of the text, or upwards from its start (a match must end at or before it) to the
/// beginning. A whole word is a match with no letter, digit or "_" right before or after it.
/// Nothing is found for an empty `what`; the search never wraps around.
std::optional<TextRange> FindNext(
    const QString &text, const QString &what, TextRange selection, const FindOptions &options);

/// What a replacement did: the new text, the range to select afterwards (the last replacement)
/// and how many occurrences were replaced.
struct ReplaceResult {
    QString text;
    TextRange selection;
    int count = 0;
};

/// Replace All: replaces every occurrence from the selection onwards in the search direction.
/// Each search starts past the previous replacement, so replacing "a" by "aa" ends; nothing happens
/// for an empty `what`.
ReplaceResult ReplaceAll(const QString &text, const QString &what, const QString &with,
    TextRange selection, const FindOptions &options);

} // namespace pixmaro
