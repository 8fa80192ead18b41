// Writing a gallery: table pages with navigation, the frames variant, the list page, and the
// choice between them.
#include "html/GalleryWriter.h"

#include "base/Failures.h"
#include "base/IntegerText.h"
#include "base/Paths.h"
#include "base/SafeFile.h"
#include "html/LinkResolution.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace pixmaro {

namespace {

QString Lines(std::initializer_list<QString> lines)
{
    QString s;
    for (const QString &line : lines)
        s += line + QLatin1String(kCrLf);
    return s;
}

// A string literal of the script must not take backslashes (a local-drive address on
// Windows) or quotes as escapes.
QString ScriptLiteral(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'"', QLatin1String("\\\""));
    return text;
}

} // namespace

void StorePage(const QString &path, const QString &text)
{
    if (!SaveFileSafely(path, (text + QLatin1String(kCrLf)).toUtf8()))
        throw std::runtime_error(CannotCreateFile(path).toStdString());
}

GalleryEntries EntriesOfRun(const RunState &state)
{
    GalleryEntries entries;
    const std::size_t reached
        = std::min<std::size_t>(std::size_t(std::max(state.ReachedCount, 0)), state.RunInfo.size());
    for (std::size_t i = 0; i < reached; ++i) {
        const InfoRec &info = state.RunInfo[i];
        if (!info.OutputPath.isEmpty() && QFileInfo(info.OutputPath).isFile())
            entries.push_back(info);
    }
    return entries;
}

QString ChosenFileName(const QString &typed)
{
    if (typed.isEmpty() || !typed.contains(QLatin1String(".htm")))
        return QStringLiteral("MyWeb.htm");
    return typed;
}

QString HtmlBaseName(const QString &chosenName)
{
    return chosenName.left(chosenName.indexOf(QLatin1String(".htm")));
}

QString PageFileName(const QString &chosenName, int index)
{
    if (index == 0)
        return chosenName;
    return HtmlBaseName(chosenName) + QStringLiteral("_%1.htm").arg(index);
}

int PerPage(const HtmlOptions &options, int count)
{
    return options.MultiPg ? IntegerOrThrow(options.ThmPerPage) : count;
}

int PageCount(const HtmlOptions &options, int count, int perPage)
{
    if (!options.MultiPg)
        return 1;
    if (perPage == 0)
        throw DivisionByZero();
    if (count < perPage)
        return 1;
    return count / perPage + (count % perPage ? 1 : 0);
}

QString NavigationBlock(const QString &chosenName, int number, bool last)
{
    if (number == 1 && last)
        return QString();
    QString s = QStringLiteral("<CENTER>\r\n<FORM>\r\n");
    if (number > 1)
        s += QStringLiteral(
            "<INPUT TYPE=\"BUTTON\" VALUE=\"Prev\" onClick=\"window.location.href='%1'\">\r\n")
                 .arg(UrlFileName(PageFileName(chosenName, number - 2)));
    if (!last)
        s += QStringLiteral(
            "<INPUT TYPE=\"BUTTON\" VALUE=\"Next\" onClick=\"window.location.href='%1'\">\r\n")
                 .arg(UrlFileName(PageFileName(chosenName, number)));
    return s + QStringLiteral("</FORM>\r\n</CENTER>\r\n");
}

void WriteTablePages(const HtmlOptions &options, const GalleryEntries &entries,
    const QString &folder, const QString &chosenName, GeneratedPageSink &editor)
{
    const int count = int(entries.size());
    const int perPage = PerPage(options, count);
    const int pages = PageCount(options, count, perPage);
    // Columns is checked before any page is written.
    if (IntegerOrThrow(options.Columns) == 0)
        throw DivisionByZero();
    const bool buttons = pages > 1 && options.UseNavBtns;

    // "Open in Browser" is off only while the further pages are written: it comes back on however
    // the writing ends, so a failed page never leaves the editor without it.
    struct BrowseBackOn {
        GeneratedPageSink &editor;
        bool armed = false;
        ~BrowseBackOn()
        {
            if (armed)
                editor.setBrowseEnabled(true);
        }
    } browseBackOn { editor };

    for (int page = 0; page < pages; ++page) {
        const QString navigation
            = buttons ? NavigationBlock(chosenName, page + 1, page == pages - 1) : QString();
        const std::size_t first = std::size_t(page) * std::size_t(std::max(perPage, 0));
        const QString text = TablePage(options, entries, first, perPage, navigation);
        const QString path = PathIn(folder, PageFileName(chosenName, page));
        if (page == 0) {
            editor.ShowGeneratedPage(text, path, folder, QString());
            editor.setBrowseEnabled(false);
            browseBackOn.armed = true;
        } else {
            StorePage(path, text);
        }
    }
    browseBackOn.armed = false;
    editor.setBrowseEnabled(true);
    editor.setCaption(QStringLiteral("HTML Editor: ") + PathIn(folder, chosenName));
}

int FramesColumnWidth(const HtmlOptions &options, int thumbMax)
{
    const qint64 width = 2 * qint64(IntegerOrThrow(options.BorderSize)) + thumbMax
        + 2 * qint64(IntegerOrThrow(options.CellSpace))
        + 2 * qint64(IntegerOrThrow(options.CellPad)) + 50;
    return int(width);
}

QString FramesetPage(const HtmlOptions &o, const QString &chosenName, int columnWidth)
{
    // The page names go into addresses: escaped as the image addresses are, so a quote, "#" or
    // "?" in the chosen name neither ends the attribute nor starts a query.
    const QString base = UrlFileName(HtmlBaseName(chosenName));
    return Lines({ QStringLiteral("<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">"),
        QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>") + o.BannerString + QStringLiteral("</TITLE>"),
        QStringLiteral("<META NAME=\"GENERATOR\" CONTENT=\"Quorvant Pixmaro\">"),
        QStringLiteral("</HEAD>"), QStringLiteral("<FRAMESET COLS=\"%1,*\">").arg(columnWidth),
        QStringLiteral(
            "  <FRAME NAME=\"thumbs\" SCROLLING=\"auto\" TARGET=\"pics\" SRC=\"%1t.htm\">")
            .arg(base),
        QStringLiteral("    <FRAMESET ROWS=\"12%,*\">"),
        QStringLiteral("      <FRAME NAME=\"banner\" SRC=\"%1b.htm\">").arg(base),
        QStringLiteral("      <FRAME NAME=\"pics\" SRC=\"%1p.htm\">").arg(base),
        QStringLiteral("    </FRAMESET>"), QStringLiteral("  <NOFRAMES>"),
        QStringLiteral("    <BODY>"),
        QStringLiteral(
            "      <P>This page uses frames, but your browser does not support them.</P>"),
        QStringLiteral("    </BODY>"), QStringLiteral("  </NOFRAMES>"),
        QStringLiteral("</FRAMESET>"), QStringLiteral("</HTML>") });
}

static QString FramesHead(const HtmlOptions &o, bool baseTarget)
{
    QString s = Lines({ QStringLiteral("<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">"),
        QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"),
        QStringLiteral("<META NAME=\"GENERATOR\" CONTENT=\"Quorvant Pixmaro\">"),
        QStringLiteral("<TITLE>") + o.BannerString + QStringLiteral("</TITLE>") });
    if (baseTarget)
        s += QStringLiteral("<BASE TARGET=\"pics\">\r\n");
    return s;
}

static QString FramesBody(const HtmlOptions &o)
{
    return QStringLiteral("<BODY BGCOLOR=\"#%1\" TEXT=\"#%2\">\r\n")
        .arg(HtmlHexColor(o.PageBkgd), HtmlHexColor(o.Text));
}

QString BannerPage(const HtmlOptions &o)
{
    return FramesHead(o, true) + QStringLiteral("</HEAD>\r\n") + FramesBody(o)
        + QStringLiteral("<%1 ALIGN=\"center\"><FONT color=\"#%2\">")
              .arg(HeadingTag(o), HtmlHexColor(o.BannerText))
        + o.BannerString + QStringLiteral("</FONT></%1>\r\n").arg(HeadingTag(o))
        + Lines({ QStringLiteral("</BODY>"), QStringLiteral("</HTML>") });
}

QString PicsPage(const HtmlOptions &o)
{
    return FramesHead(o, false) + QStringLiteral("</HEAD>\r\n") + FramesBody(o)
        + Lines({ QStringLiteral("<P ALIGN=\"center\">") + o.BannerString + QStringLiteral("</P>"),
            QStringLiteral("<CENTER><B>Full size images will be displayed here</B></CENTER>"),
            QStringLiteral("</BODY>"), QStringLiteral("</HTML>") });
}

QString SetBgScript(const HtmlOptions &o)
{
    QString s = Lines({ QStringLiteral("<script>"), QStringLiteral("  function setbg(im)"),
        QStringLiteral("  {"), QStringLiteral("    parent.pics.document.close();"),
        QStringLiteral("    parent.pics.document.open();"),
        QStringLiteral("    parent.pics.document.write(\"<html>\\n<head>\\n<title>")
            + o.BannerString + QStringLiteral("</title>\\n\");"),
        QStringLiteral("    parent.pics.document.write(\"</head>\\n\");"),
        QStringLiteral(
            "    parent.pics.document.write(\"<body bgcolor=\\\"#888888\\\" background=\" + "
            "'\"' + \"")
            + ScriptLiteral(o.OriginalLinkAddress)
            + QStringLiteral("\" + im + '\"' + \">\\n</body>\\n</html>\");") });
    if (o.SampleText) {
        const auto sample = [](const QString &colour) {
            return QStringLiteral("    parent.pics.document.write(\"<font color=\\\"#%1\\\">Sample "
                                  "text - #%1 - Sample "
                                  "Text - <b>Sample Text</b></font><br>\");\r\n")
                .arg(colour);
        };
        s += QStringLiteral("    parent.pics.document.write(\"<p><font "
                            "color=\\\"#000000\\\">Sample text - #000000 - "
                            "Sample Text - <b>Sample Text</b></font><br>\");\r\n");
        const int reds[] = { 64, 128, 192, 255 };
        const int levels[] = { 0, 64, 128, 192, 255 };
        for (int red : reds)
            for (int green : levels)
                for (int blue : levels)
                    s += sample(HtmlHexColor(red | (green << 8) | (blue << 16)));
    }
    return s + Lines({ QStringLiteral("  }"), QStringLiteral("</script>") });
}

QString ThumbsPage(const HtmlOptions &o, const GalleryEntries &entries)
{
    QString s = FramesHead(o, true);
    if (o.TileBkgd)
        s += SetBgScript(o);
    s += QStringLiteral("</HEAD>\r\n") + FramesBody(o);
    if (o.IncludeCaption)
        s += QStringLiteral("<P Align=\"center\">") + o.TableCaption + QStringLiteral("</P>\r\n");
    s += TableStartTag(o);
    QString cellStart = QStringLiteral("<TD ALIGN=\"center\" VALIGN=\"middle\"");
    if (o.UseCellColor)
        cellStart += QStringLiteral(" BGCOLOR=\"#") + HtmlHexColor(o.CellBkgd) + u'"';
    cellStart += u'>';
    for (const InfoRec &entry : entries) {
        const QString content
            = o.TileBkgd ? TileImageLink(o, entry) : ImageLink(o, entry, QString());
        s += QStringLiteral("<TR>\r\n") + cellStart + content
            + QStringLiteral("</TD>\r\n</TR>\r\n");
    }
    return s
        + Lines(
            { QStringLiteral("</TABLE>"), QStringLiteral("</BODY>"), QStringLiteral("</HTML>") });
}

void WriteFrames(const HtmlOptions &options, const GalleryEntries &entries, int thumbMax,
    const QString &folder, const QString &chosenName, GeneratedPageSink &editor)
{
    const int width = FramesColumnWidth(options, thumbMax);
    const QString base = HtmlBaseName(chosenName);
    const QString frameset = PathIn(folder, chosenName);
    const QString thumbs = PathIn(folder, base + QStringLiteral("t.htm"));
    const QString text = ThumbsPage(options, entries);
    StorePage(frameset, FramesetPage(options, chosenName, width));
    StorePage(PathIn(folder, base + QStringLiteral("b.htm")), BannerPage(options));
    StorePage(PathIn(folder, base + QStringLiteral("p.htm")), PicsPage(options));
    editor.setCaption(QStringLiteral("HTML Editor: ") + thumbs);
    editor.ShowGeneratedPage(text, thumbs, folder, frameset);
    editor.setBrowseEnabled(true);
}

void WriteListPage(const HtmlOptions &options, const GalleryEntries &entries, const QString &folder,
    const QString &chosenName, GeneratedPageSink &editor)
{
    const QString path = PathIn(folder, chosenName);
    editor.ShowGeneratedPage(ListPage(options, entries), path, folder, QString());
    editor.setCaption(QStringLiteral("HTML Editor: ") + path);
}

void WriteGallery(const HtmlOptions &options, const GalleryEntries &entries, int thumbMax,
    const QString &folder, const QString &chosenName, GeneratedPageSink &editor)
{
    if (options.UseFrames)
        WriteFrames(options, entries, thumbMax, folder, chosenName, editor);
    else if (options.UseTables)
        WriteTablePages(options, entries, folder, chosenName, editor);
    else
        WriteListPage(options, entries, folder, chosenName, editor);
}

} // namespace pixmaro
