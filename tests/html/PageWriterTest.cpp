// Golden tests of the page writer's pieces, the list page and the table page.
#include "html/PageWriter.h"

#include "base/IntegerText.h"
#include "imaging/Geometry.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

const QString kHead = "<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n"
                      "<HTML>\r\n"
                      "<HEAD>\r\n"
                      "<TITLE>Pixmaro</TITLE>\r\n"
                      "<META NAME=\"GENERATOR\" CONTENT=\"Quorvant Pixmaro\">\r\n"
                      "</HEAD>\r\n"
                      "<BODY bgcolor=\"#FFFFFF\" TEXT=\"#000000\">\r\n"
                      "<H1 align=\"center\"><FONT color=\"#000000\">Pixmaro</FONT></H1>\r\n"
                      "<P align=\"center\">\r\n";
const QString kEnd = "</P>\r\n</BODY>\r\n</HTML>";

InfoRec Entry(const QString &source, qint64 size, const QString &output, int w = 96, int h = 72)
{
    return { size, w, h, "/photos/" + source, "/photos/thumbs/" + output };
}

HtmlOptions Relative()
{
    HtmlOptions o;
    o.OriginalLinkAddress = "../";
    o.ThumbLinkAddress = "";
    return o;
}

TEST(PageWriter, ColoursHeadingsAndTargets)
{
    EXPECT_EQ(HtmlHexColor(0xFFFFFF), "FFFFFF");
    EXPECT_EQ(HtmlHexColor(10526880), "A0A0A0");
    EXPECT_EQ(HtmlHexColor(0x00336699), "996633");
    EXPECT_EQ(HtmlHexColor(0x000000FF), "FF0000");
    EXPECT_EQ(HtmlHexColor(0x00FF0000), "0000FF");
    HtmlOptions o;
    o.BannerHeadSize = 2;
    o.WindowOpt = 1;
    EXPECT_EQ(HeadingTag(o), "H3");
    EXPECT_EQ(TargetAttribute(o), " TARGET=\"_blank\"");
    o.WindowOpt = 0;
    EXPECT_EQ(TargetAttribute(o), " TARGET=\"_self\"");
}

TEST(PageWriter, HeadBlockWritesTheBannerAsTyped)
{
    HtmlOptions o;
    EXPECT_EQ(PageHeadBlock(o), kHead);
    o.BannerString = "<i>Fish & Chips</i>";
    o.BannerHeadSize = 1;
    o.PageBkgd = 0x00336699;
    EXPECT_TRUE(PageHeadBlock(o).contains("<TITLE><i>Fish & Chips</i></TITLE>\r\n"));
    EXPECT_TRUE(PageHeadBlock(o).contains(
        "<BODY bgcolor=\"#996633\" TEXT=\"#000000\">\r\n<H2 align=\"center\"><FONT "
        "color=\"#000000\"><i>Fish & Chips</i></FONT></H2>\r\n"));
}

TEST(PageWriter, TableStartTag)
{
    HtmlOptions o;
    EXPECT_EQ(TableStartTag(o),
        "<TABLE BORDER=\"1\" CELLSPACING=\"2\" CELLPADDING=\"2\" WIDTH=\"0%\" ALIGN=\"Center\" "
        "BGCOLOR=\"#A0A0A0\">\r\n");
    o.CellSpace = "";
    o.CellPad = "";
    o.BorderSize = "";
    o.UseBkgdColor = false;
    o.TableAlignment = "Left";
    o.TableWidth = "80";
    EXPECT_EQ(TableStartTag(o), "<TABLE BORDER=\"\" WIDTH=\"80%\" ALIGN=\"Left\">\r\n");
}

TEST(PageWriter, ImageLinkInEveryForm)
{
    HtmlOptions o = Relative();
    const InfoRec sunset = Entry("sunset.jpg", 48213, "Thumb001.jpg");
    const QString target = TargetAttribute(o);
    EXPECT_EQ(ImageLink(o, sunset, target),
        "<A TARGET=\"_self\" HREF=\"../sunset.jpg\"><IMG BORDER=\"1\" SRC=\"Thumb001.jpg\" "
        "Width=\"96\" "
        "Height=\"72\" ALT=\"sunset.jpg (48213 bytes)\"></A>");
    EXPECT_TRUE(ImageLink(o, Entry("x%1y%2.jpg", 967, "T.jpg"), target)
                    .contains("ALT=\"x%1y%2.jpg (967 bytes)\""));
    o.LinkStats = false;
    EXPECT_EQ(ImageLink(o, sunset, target),
        "<A TARGET=\"_self\" HREF=\"../sunset.jpg\"><IMG BORDER=\"1\" SRC=\"Thumb001.jpg\" "
        "Width=\"96\" Height=\"72\" ></A>");
    o.LinkOriginal = false;
    o.LinkBorder = false;
    EXPECT_EQ(ImageLink(o, Entry("a.jpg", 5, "Image001.jpg", -1, -1), target),
        "<IMG BORDER=\"0\" SRC=\"Image001.jpg\" >");
    EXPECT_EQ(ImageLink(o, sunset, QString()),
        "<IMG BORDER=\"0\" SRC=\"Thumb001.jpg\" Width=\"96\" Height=\"72\" >");
}

TEST(PageWriter, FileNamesCannotBreakTheMarkup)
{
    HtmlOptions o = Relative();
    const InfoRec odd = Entry("My \"best\" <shot> & #1?.jpg", 7, "Thumb 1.jpg");
    EXPECT_EQ(ImageLink(o, odd, QString()),
        "<A HREF=\"../My%20%22best%22%20%3Cshot%3E%20%26%20%231%3F.jpg\"><IMG BORDER=\"1\" "
        "SRC=\"Thumb%201.jpg\" Width=\"96\" Height=\"72\" ALT=\"My &quot;best&quot; &lt;shot&gt; "
        "&amp; #1?.jpg (7 bytes)\"></A>");
    EXPECT_EQ(UrlFileName(QString::fromUtf8("caf\xc3\xa9-_.~.jpg")), "caf%C3%A9-_.~.jpg");
}

TEST(PageWriter, ListPage)
{
    HtmlOptions o = Relative();
    EXPECT_EQ(ListPage(o, {}), kHead + "\r\n" + kEnd);
    const GalleryEntries two { Entry("a.jpg", 1, "T1.jpg", 10, 5),
        Entry("b.jpg", 2, "T2.jpg", -1, -1) };
    EXPECT_EQ(ListPage(o, two),
        kHead
            + "\r\n"
              "<A TARGET=\"_self\" HREF=\"../a.jpg\"><IMG BORDER=\"1\" SRC=\"T1.jpg\" Width=\"10\" "
              "Height=\"5\" ALT=\"a.jpg (1 bytes)\"></A>\r\n"
              "<A TARGET=\"_self\" HREF=\"../b.jpg\"><IMG BORDER=\"1\" SRC=\"T2.jpg\" ALT=\"b.jpg "
              "(2 bytes)\"></A>\r\n"
            + kEnd);
}

TEST(PageWriter, TablePageRowsAndFailures)
{
    HtmlOptions o = Relative();
    o.LinkOriginal = false;
    o.LinkStats = false;
    GalleryEntries seven;
    for (int i = 1; i <= 7; ++i)
        seven.push_back(
            Entry(QStringLiteral("s%1.jpg").arg(i), i, QStringLiteral("t%1.jpg").arg(i), 9, 9));
    const QString page = TablePage(o, seven, 0, 7, QString());
    const QString cell = "<TD ALIGN=\"Center\" VALIGN=\"Middle\"><IMG BORDER=\"1\" SRC=\"t%1.jpg\" "
                         "Width=\"9\" Height=\"9\" ></TD>\r\n";
    QString rows = "<TR>\r\n";
    for (int i = 1; i <= 5; ++i)
        rows += cell.arg(i);
    rows += "</TR>\r\n<TR>\r\n" + cell.arg(6) + cell.arg(7) + "</TR>\r\n";
    EXPECT_EQ(page,
        kHead + TableStartTag(o)
            + "<CAPTION ALIGN=\"Top\">Click thumbnail to see full size image</CAPTION>\r\n" + rows
            + "</TABLE>\r\n" + kEnd);

    o.IncludeCaption = false;
    o.UseCellColor = true;
    o.CellBkgd = 0x000000FF;
    EXPECT_EQ(TablePage(o, {}, 0, 0, QString()), kHead + TableStartTag(o) + "</TABLE>\r\n" + kEnd);
    EXPECT_TRUE(TablePage(o, seven, 5, 7, QString())
                    .contains("<TD ALIGN=\"Center\" VALIGN=\"Middle\" BGCOLOR=\"#FF0000\"><IMG"));

    o.Columns = "five";
    try {
        TablePage(o, seven, 0, 7, QString());
        FAIL() << "no failure";
    } catch (const InvalidInteger &e) {
        EXPECT_STREQ(e.what(), "'five' is not a valid integer value");
    }
    o.Columns = "0";
    EXPECT_THROW(TablePage(o, seven, 0, 7, QString()), DivisionByZero);
}

} // namespace
} // namespace pixmaro
