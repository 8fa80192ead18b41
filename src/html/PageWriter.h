// The page writer: the pieces of every gallery page, the list page and the table page.
#pragma once

#include "job/RunState.h"
#include "settings/HtmlOptions.h"

#include <QString>

#include <vector>

namespace pixmaro {

/// The entries a gallery shows, in order.
using GalleryEntries = std::vector<InfoRec>;

inline constexpr const char *kCrLf = "\r\n";

/// Six upper-case hexadecimal digits, red, green, blue, of a colour held as 0x00BBGGRR.
QString HtmlHexColor(int colour);
/// "H1", "H2" or "H3" for banner sizes 0, 1, 2.
QString HeadingTag(const HtmlOptions &options);
/// ` TARGET="_blank"` for a new window, ` TARGET="_self"` otherwise.
QString TargetAttribute(const HtmlOptions &options);

/// A file name as it goes into an address: every byte outside letters, digits and "-._~" becomes
/// %XX, so quotes, spaces, "#", "?" and the like can neither break the attribute nor the link.
QString UrlFileName(const QString &name);
/// A file name as it goes into ALT text: "&", "<", ">" and '"' become character references.
QString AltText(const QString &name);

/// The head block: doctype to the centred paragraph, each line ending in CR LF.
QString PageHeadBlock(const HtmlOptions &options);
/// "</P>", "</BODY>", "</HTML>": CR LF after the first two only.
QString PageEndBlock();
/// The table's start tag, one line ending in CR LF.
QString TableStartTag(const HtmlOptions &options);
/// The image tag of one entry, linked to its original when that option is on; no line end.
QString ImageLink(const HtmlOptions &options, const InfoRec &entry, const QString &target);

/// The frames variant's cell: a click shows the original as the picture frame's tiled background.
QString TileImageLink(const HtmlOptions &options, const InfoRec &entry);

/// The page of thumbnails without a table (head block, an empty line, one image link per line,
/// end block).
QString ListPage(const HtmlOptions &options, const GalleryEntries &entries);

/// One table page of entries [first, first + perPage) clipped to the list, with the navigation
/// block above and/or below the table as the options ask. `navigation` is that page's block
/// (empty for a single page). Throws InvalidInteger or DivisionByZero for Columns that are not a
/// usable whole number.
QString TablePage(const HtmlOptions &options, const GalleryEntries &entries, std::size_t first,
    int perPage, const QString &navigation);

} // namespace pixmaro
