// Find and replace in the editor's text: searches that never wrap, and replacements that always
// end.
#include "editor/FindReplace.h"

#include <algorithm>

namespace pixmaro {

namespace {

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool IsWholeWord(const QString &text, qsizetype at, qsizetype length)
{
    if (at > 0 && IsWordChar(text.at(at - 1)))
        return false;
    const qsizetype after = at + length;
    return after >= text.size() || !IsWordChar(text.at(after));
}

} // namespace

std::optional<TextRange> FindNext(
    const QString &text, const QString &what, TextRange selection, const FindOptions &options)
{
    if (what.isEmpty())
        return std::nullopt;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype n = what.size();
    if (options.down) {
        qsizetype from = std::clamp<qsizetype>(selection.end(), 0, text.size());
        while (true) {
            const qsizetype at = text.indexOf(what, from, cs);
            if (at < 0)
                return std::nullopt;
            if (!options.wholeWord || IsWholeWord(text, at, n))
                return TextRange { at, n };
            from = at + 1;
        }
    }
    // Upwards: the match lies wholly before the selection's start.
    qsizetype last = std::clamp<qsizetype>(selection.start, 0, text.size()) - n;
    while (last >= 0) {
        const qsizetype at = text.lastIndexOf(what, last, cs);
        if (at < 0)
            return std::nullopt;
        if (!options.wholeWord || IsWholeWord(text, at, n))
            return TextRange { at, n };
        last = at - 1;
    }
    return std::nullopt;
}

ReplaceResult ReplaceAll(const QString &text, const QString &what, const QString &with,
    TextRange selection, const FindOptions &options)
{
    ReplaceResult result { text, selection, 0 };
    // The next search starts after a replacement going down, before it going up: the text put in
    // is never searched again.
    TextRange from = selection;
    while (true) {
        const std::optional<TextRange> found = FindNext(result.text, what, from, options);
        if (!found)
            return result;
        result.text.replace(found->start, found->length, with);
        result.selection = TextRange { found->start, with.size() };
        ++result.count;
        from = options.down ? TextRange { result.selection.end(), 0 }
                            : TextRange { found->start, 0 };
    }
}

} // namespace pixmaro
