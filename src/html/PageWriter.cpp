// The page writer: the pieces of every gallery page, the list page and the table page.
#include "html/PageWriter.h"

#include "base/Failures.h"
#include "base/IntegerText.h"
#include "html/LinkResolution.h"

namespace pixmaro {

QString HtmlHexColor(int colour)
{
    const auto hex
        = [](int v) { return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QChar(u'0')).toUpper(); };
    return hex(colour) + hex(colour >> 8) + hex(colour >> 16);
}

QString HeadingTag(const HtmlOptions &options)
{
    switch (options.BannerHeadSize) {
    case 1:
        return QStringLiteral("H2");
    case 2:
        return QStringLiteral("H3");
    default:
        return QStringLiteral("H1");
    }
}

QString TargetAttribute(const HtmlOptions &options)
{
    return options.WindowOpt == 1 ? QStringLiteral(" TARGET=\"_blank\"")
                                  : QStringLiteral(" TARGET=\"_self\"");
}

QString UrlFileName(const QString &name)
{
    return QString::fromLatin1(name.toUtf8().toPercentEncoding());
}

QString AltText(const QString &name)
{
    QString text = name;
    text.replace(u'&', QLatin1String("&amp;"));
    text.replace(u'<', QLatin1String("&lt;"));
    text.replace(u'>', QLatin1String("&gt;"));
    text.replace(u'"', QLatin1String("&quot;"));
    return text;
}

QString PageHeadBlock(const HtmlOptions &o)
{
    QString s;
    s += QStringLiteral("<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n");
    s += QStringLiteral("<HTML>\r\n");
    s += QStringLiteral("<HEAD>\r\n");
    s += QStringLiteral("<TITLE>") + o.BannerString + QStringLiteral("</TITLE>\r\n");
    s += QStringLiteral("<META NAME=\"GENERATOR\" CONTENT=\"Quorvant Pixmaro\">\r\n");
    s += QStringLiteral("</HEAD>\r\n");
    s += QStringLiteral("<BODY bgcolor=\"#%1\" TEXT=\"#%2\">\r\n")
             .arg(HtmlHexColor(o.PageBkgd), HtmlHexColor(o.Text));
    s += QStringLiteral("<%1 align=\"center\"><FONT color=\"#%2\">")
             .arg(HeadingTag(o), HtmlHexColor(o.BannerText))
        + o.BannerString + QStringLiteral("</FONT></%1>\r\n").arg(HeadingTag(o));
    s += QStringLiteral("<P align=\"center\">\r\n");
    return s;
}

QString PageEndBlock()
{
    return QStringLiteral("</P>\r\n</BODY>\r\n</HTML>");
}

QString TableStartTag(const HtmlOptions &o)
{
    QString s = QStringLiteral("<TABLE BORDER=\"") + o.BorderSize + u'"';
    if (!o.CellSpace.isEmpty())
        s += QStringLiteral(" CELLSPACING=\"") + o.CellSpace + u'"';
    if (!o.CellPad.isEmpty())
        s += QStringLiteral(" CELLPADDING=\"") + o.CellPad + u'"';
    s += QStringLiteral(" WIDTH=\"") + o.TableWidth + QStringLiteral("%\"");
    s += QStringLiteral(" ALIGN=\"") + o.TableAlignment + u'"';
    if (o.UseBkgdColor)
        s += QStringLiteral(" BGCOLOR=\"#") + HtmlHexColor(o.TableBkgd) + u'"';
    return s + QStringLiteral(">\r\n");
}

// Items 3 to 6 of the image tag: border, source, size and ALT text.
static QString ImageAttributes(const HtmlOptions &o, const InfoRec &entry)
{
    QString s = o.LinkBorder
        ? QStringLiteral("BORDER=\"") + o.LinkBorderSize + QStringLiteral("\" ")
        : QStringLiteral("BORDER=\"0\" ");
    s += QStringLiteral("SRC=\"") + o.ThumbLinkAddress + UrlFileName(FileNameOf(entry.OutputPath))
        + QStringLiteral("\" ");
    if (entry.ThumbHeight > 0)
        s += QStringLiteral("Width=\"%1\" Height=\"%2\" ")
                 .arg(entry.ThumbWidth)
                 .arg(entry.ThumbHeight);
    if (o.LinkStats)
        // The name is user text: joined, never passed through arg(), which would read a "%1"
        // inside it as a place holder.
        s += QStringLiteral("ALT=\"") + AltText(FileNameOf(entry.SourcePath)) + QStringLiteral(" (")
            + QString::number(entry.SourceSize) + QStringLiteral(" bytes)\"");
    return s;
}

QString ImageLink(const HtmlOptions &o, const InfoRec &entry, const QString &target)
{
    QString s;
    if (o.LinkOriginal)
        s += QStringLiteral("<A") + target + QStringLiteral(" HREF=\"") + o.OriginalLinkAddress
            + UrlFileName(FileNameOf(entry.SourcePath)) + QStringLiteral("\">");
    s += QStringLiteral("<IMG ") + ImageAttributes(o, entry) + u'>';
    if (o.LinkOriginal)
        s += QStringLiteral("</A>");
    return s;
}

QString TileImageLink(const HtmlOptions &o, const InfoRec &entry)
{
    return QStringLiteral("<A HREF=\"bogus.htm\" onClick=\"setbg('")
        + UrlFileName(FileNameOf(entry.SourcePath)) + QStringLiteral("');return false\"><IMG ")
        + ImageAttributes(o, entry) + QStringLiteral("></A>");
}

QString ListPage(const HtmlOptions &o, const GalleryEntries &entries)
{
    QString s = PageHeadBlock(o) + QLatin1String(kCrLf);
    const QString target = TargetAttribute(o);
    for (const InfoRec &entry : entries)
        s += ImageLink(o, entry, target) + QLatin1String(kCrLf);
    return s + PageEndBlock();
}

QString TablePage(const HtmlOptions &o, const GalleryEntries &entries, std::size_t first,
    int perPage, const QString &navigation)
{
    const int columns = IntegerOrThrow(o.Columns);
    if (columns == 0)
        throw DivisionByZero();
    const bool top = o.NavBtns == 0 || o.NavBtns == 2;
    const bool bottom = o.NavBtns == 1 || o.NavBtns == 2;

    QString s = PageHeadBlock(o);
    if (top)
        s += navigation;
    s += TableStartTag(o);
    if (o.IncludeCaption)
        s += QStringLiteral("<CAPTION ALIGN=\"%1\">%2</CAPTION>\r\n")
                 .arg(o.CaptionAlign, o.TableCaption);

    // Rows allowed: PerPage ÷ Columns rounded up; a row opens only when an entry goes into it.
    const qint64 rows = perPage > 0 && columns > 0 ? (qint64(perPage) + columns - 1) / columns : 0;
    const QString target = TargetAttribute(o);
    QString cellStart
        = QStringLiteral("<TD ALIGN=\"%1\" VALIGN=\"%2\"").arg(o.CellHAlign, o.CellVAlign);
    if (o.UseCellColor)
        cellStart += QStringLiteral(" BGCOLOR=\"#") + HtmlHexColor(o.CellBkgd) + u'"';
    cellStart += u'>';
    std::size_t index = first;
    int placed = 0;
    for (qint64 row = 0; row < rows && index < entries.size() && placed < perPage; ++row) {
        s += QStringLiteral("<TR>\r\n");
        for (int column = 0; column < columns && index < entries.size() && placed < perPage;
             ++column) {
            s += cellStart + ImageLink(o, entries[index], target) + QStringLiteral("</TD>\r\n");
            ++index;
            ++placed;
        }
        s += QStringLiteral("</TR>\r\n");
    }
    s += QStringLiteral("</TABLE>\r\n");
    if (bottom)
        s += navigation;
    return s + PageEndBlock();
}

} // namespace pixmaro
