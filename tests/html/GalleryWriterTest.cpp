// Tests of multi-page output, navigation, the frames pages and the choice of entries.
#include "html/GalleryWriter.h"

#include "base/IntegerText.h"
#include "imaging/Geometry.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

struct RecordingEditor : GeneratedPageSink {
    QString text, path, folder, browse, caption;
    int shown = 0;
    bool browseEnabled = true;
    void ShowGeneratedPage(
        const QString &t, const QString &p, const QString &f, const QString &b) override
    {
        text = t;
        path = p;
        folder = f;
        browse = b;
        ++shown;
        StorePage(p, t);
    }
    void setBrowseEnabled(bool on) override { browseEnabled = on; }
    void setCaption(const QString &c) override { caption = c; }
};

GalleryEntries Entries(int count)
{
    GalleryEntries entries;
    for (int i = 1; i <= count; ++i)
        entries.push_back({ 100 + i, 96, 72, QStringLiteral("/p/s%1.jpg").arg(i),
            QStringLiteral("/p/t/T%1.jpg").arg(i) });
    return entries;
}

TEST(MultiPage, NamesCountsAndButtons)
{
    EXPECT_EQ(ChosenFileName(""), "MyWeb.htm");
    EXPECT_EQ(ChosenFileName("gallery.txt"), "MyWeb.htm");
    EXPECT_EQ(ChosenFileName("Gallery.HTM"), "MyWeb.htm");
    EXPECT_EQ(ChosenFileName("gallery.html"), "gallery.html");
    EXPECT_EQ(PageFileName("MyWeb.htm", 0), "MyWeb.htm");
    EXPECT_EQ(PageFileName("MyWeb.htm", 2), "MyWeb_2.htm");
    EXPECT_EQ(PageFileName("album.html", 1), "album_1.htm");

    HtmlOptions o;
    EXPECT_EQ(PageCount(o, 25, 25), 1);
    EXPECT_EQ(PageCount(o, 26, 25), 2);
    EXPECT_EQ(PageCount(o, 60, 25), 3);
    EXPECT_EQ(PageCount(o, 0, 25), 1);
    EXPECT_THROW(PageCount(o, 5, 0), DivisionByZero);
    o.ThmPerPage = "lots";
    EXPECT_THROW(PerPage(o, 5), InvalidInteger);
    o.MultiPg = false;
    EXPECT_EQ(PerPage(o, 60), 60);
    EXPECT_EQ(PageCount(o, 60, 60), 1);

    EXPECT_EQ(NavigationBlock("MyWeb.htm", 1, true), "");
    EXPECT_EQ(NavigationBlock("MyWeb.htm", 2, false),
        "<CENTER>\r\n<FORM>\r\n"
        "<INPUT TYPE=\"BUTTON\" VALUE=\"Prev\" onClick=\"window.location.href='MyWeb.htm'\">\r\n"
        "<INPUT TYPE=\"BUTTON\" VALUE=\"Next\" onClick=\"window.location.href='MyWeb_2.htm'\">\r\n"
        "</FORM>\r\n</CENTER>\r\n");
    EXPECT_EQ(NavigationBlock("MyWeb.htm", 1, false),
        "<CENTER>\r\n<FORM>\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"Next\" "
        "onClick=\"window.location.href='MyWeb_1.htm'\">\r\n"
        "</FORM>\r\n</CENTER>\r\n");
    EXPECT_EQ(NavigationBlock("MyWeb.htm", 4, true),
        "<CENTER>\r\n<FORM>\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"Prev\" "
        "onClick=\"window.location.href='MyWeb_2.htm'\">\r\n"
        "</FORM>\r\n</CENTER>\r\n");

    // Quotes, "#" and "?" in the chosen name are escaped in the addresses, so the buttons and
    // frames still find their pages.
    EXPECT_TRUE(NavigationBlock("it's \"#1?.htm", 1, false)
                    .contains("window.location.href='it%27s%20%22%231%3F_1.htm'"));
    EXPECT_TRUE(FramesetPage(HtmlOptions(), "a'b#?.htm", 100).contains("SRC=\"a%27b%23%3Ft.htm\""));
}

class Pages : public ::testing::Test {
protected:
    QString folder() const { return QDir::cleanPath(m_dir.path()); }
    QByteArray file(const char *name) const { return test::ReadFile(folder() + "/" + name); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files, QDir::Name); }
    QTemporaryDir m_dir;
    RecordingEditor editor;
};

TEST_F(Pages, TwentySixEntriesMakeTwoPages)
{
    HtmlOptions o;
    WriteTablePages(o, Entries(26), folder(), "MyWeb.htm", editor);
    EXPECT_EQ(files(), QStringList({ "MyWeb.htm", "MyWeb_1.htm" }));
    EXPECT_EQ(editor.shown, 1);
    EXPECT_EQ(editor.path, folder() + "/MyWeb.htm");
    EXPECT_TRUE(editor.browseEnabled);
    EXPECT_EQ(editor.caption, "HTML Editor: " + folder() + "/MyWeb.htm");
    const QByteArray first = file("MyWeb.htm"), second = file("MyWeb_1.htm");
    EXPECT_EQ(first.count("VALUE=\"Next\" onClick=\"window.location.href='MyWeb_1.htm'\""),
        2); // top and bottom
    EXPECT_EQ(first.count("VALUE=\"Prev\""), 0);
    EXPECT_EQ(first.count("<TD "), 25);
    EXPECT_EQ(second.count("VALUE=\"Prev\" onClick=\"window.location.href='MyWeb.htm'\""), 2);
    EXPECT_EQ(second.count("<TD "), 1);
    EXPECT_TRUE(second.endsWith("</HTML>\r\n"));
    EXPECT_TRUE(second.startsWith("<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n<HTML>\r\n"));
    // The block sits right after the head block and right after the table.
    EXPECT_TRUE(second.contains("<P align=\"center\">\r\n<CENTER>\r\n<FORM>\r\n"));
    EXPECT_TRUE(second.contains("</TABLE>\r\n<CENTER>\r\n<FORM>\r\n"));
}

TEST_F(Pages, SixtyEntriesInPagesOfTwentyFiveAndPlacementChoices)
{
    HtmlOptions o;
    o.NavBtns = 1; // bottom only
    WriteTablePages(o, Entries(60), folder(), "MyWeb.htm", editor);
    EXPECT_EQ(files(), QStringList({ "MyWeb.htm", "MyWeb_1.htm", "MyWeb_2.htm" }));
    for (const auto &[name, cells, rows] : { std::tuple { "MyWeb.htm", 25, 5 },
             std::tuple { "MyWeb_1.htm", 25, 5 }, std::tuple { "MyWeb_2.htm", 10, 2 } }) {
        const QByteArray page = file(name);
        EXPECT_EQ(page.count("<TD "), cells) << name;
        EXPECT_EQ(page.count("<TR>"), rows) << name;
        EXPECT_EQ(page.count("<FORM>"), 1) << name;
        EXPECT_TRUE(page.contains("</TABLE>\r\n<CENTER>")) << name;
    }
    EXPECT_TRUE(file("MyWeb_1.htm")
                    .contains("href='MyWeb.htm'\">\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"Next\" "
                              "onClick=\"window.location.href='MyWeb_2.htm'\">"));
}

TEST_F(Pages, SevenPerPageInFiveColumnsAndNoButtons)
{
    HtmlOptions o;
    o.ThmPerPage = "7";
    o.UseNavBtns = false;
    WriteTablePages(o, Entries(14), folder(), "MyWeb.htm", editor);
    for (const char *name : { "MyWeb.htm", "MyWeb_1.htm" }) {
        const QByteArray page = file(name);
        EXPECT_EQ(page.count("<TR>"), 2);
        EXPECT_EQ(page.count("<TD "), 7);
        EXPECT_FALSE(page.contains("<FORM>"));
    }
    o.MultiPg = false;
    WriteTablePages(o, Entries(60), folder(), "one.htm", editor);
    EXPECT_EQ(file("one.htm").count("<TD "), 60);
    EXPECT_FALSE(QFileInfo::exists(folder() + "/one_1.htm"));
}

TEST_F(Pages, BadNumbersStopBeforeAnyPageIsWritten)
{
    HtmlOptions o;
    o.ThmPerPage = "x";
    EXPECT_THROW(WriteTablePages(o, Entries(3), folder(), "MyWeb.htm", editor), InvalidInteger);
    o.ThmPerPage = "25";
    o.Columns = "0";
    EXPECT_THROW(WriteTablePages(o, Entries(3), folder(), "MyWeb.htm", editor), DivisionByZero);
    o.Columns = "5";
    o.UseFrames = true;
    o.CellPad = "";
    EXPECT_THROW(WriteGallery(o, Entries(3), 96, folder(), "MyWeb.htm", editor), InvalidInteger);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(editor.shown, 0);
}

TEST_F(Pages, AFailedFurtherPageLeavesOpenInBrowserOn)
{
    // A folder where the second page goes: that write fails after the first page is shown.
    ASSERT_TRUE(QDir(folder()).mkdir("MyWeb_1.htm"));
    EXPECT_THROW(WriteTablePages(HtmlOptions(), Entries(26), folder(), "MyWeb.htm", editor),
        std::runtime_error);
    EXPECT_EQ(editor.shown, 1);
    EXPECT_TRUE(editor.browseEnabled);
}

TEST_F(Pages, FramesWriteFourPages)
{
    HtmlOptions o;
    o.UseFrames = true;
    o.OriginalLinkAddress = "../";
    WriteGallery(o, Entries(10), 96, folder(), "MyWeb.htm", editor);
    EXPECT_EQ(files(), QStringList({ "MyWeb.htm", "MyWebb.htm", "MyWebp.htm", "MyWebt.htm" }));
    EXPECT_EQ(file("MyWeb.htm"),
        "<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n<HTML>\r\n<HEAD>\r\n<TITLE>Pixmaro</TITLE>\r\n"
        "<META NAME=\"GENERATOR\" CONTENT=\"Quorvant Pixmaro\">\r\n</HEAD>\r\n<FRAMESET "
        "COLS=\"156,*\">\r\n"
        "  <FRAME NAME=\"thumbs\" SCROLLING=\"auto\" TARGET=\"pics\" SRC=\"MyWebt.htm\">\r\n"
        "    <FRAMESET ROWS=\"12%,*\">\r\n      <FRAME NAME=\"banner\" SRC=\"MyWebb.htm\">\r\n"
        "      <FRAME NAME=\"pics\" SRC=\"MyWebp.htm\">\r\n    </FRAMESET>\r\n  <NOFRAMES>\r\n    "
        "<BODY>\r\n"
        "      <P>This page uses frames, but your browser does not support them.</P>\r\n    "
        "</BODY>\r\n"
        "  </NOFRAMES>\r\n</FRAMESET>\r\n</HTML>\r\n\r\n");
    EXPECT_EQ(file("MyWebb.htm"),
        "<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n<HTML>\r\n<HEAD>\r\n"
        "<META NAME=\"GENERATOR\" CONTENT=\"Quorvant Pixmaro\">\r\n<TITLE>Pixmaro</TITLE>\r\n<BASE "
        "TARGET=\"pics\">\r\n"
        "</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\r\n"
        "<H1 ALIGN=\"center\"><FONT "
        "color=\"#000000\">Pixmaro</FONT></H1>\r\n</BODY>\r\n</HTML>\r\n\r\n");
    EXPECT_EQ(file("MyWebp.htm"),
        "<!DOCTYPE HTML PUBLIC \"Quorvant 2001\">\r\n<HTML>\r\n<HEAD>\r\n"
        "<META NAME=\"GENERATOR\" CONTENT=\"Quorvant "
        "Pixmaro\">\r\n<TITLE>Pixmaro</TITLE>\r\n</HEAD>\r\n"
        "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\r\n<P ALIGN=\"center\">Pixmaro</P>\r\n"
        "<CENTER><B>Full size images will be displayed "
        "here</B></CENTER>\r\n</BODY>\r\n</HTML>\r\n\r\n");
    const QByteArray thumbs = file("MyWebt.htm");
    EXPECT_EQ(thumbs.count("<TR>\r\n<TD ALIGN=\"center\" VALIGN=\"middle\"><A HREF=\"../s"), 10);
    EXPECT_FALSE(thumbs.contains("<script>"));
    EXPECT_TRUE(thumbs.contains(
        "<BASE TARGET=\"pics\">\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\r\n"
        "<P Align=\"center\">Click thumbnail to see full size image</P>\r\n<TABLE BORDER=\"1\""));
    EXPECT_TRUE(thumbs.endsWith("</TABLE>\r\n</BODY>\r\n</HTML>\r\n\r\n"));
    EXPECT_EQ(editor.path, folder() + "/MyWebt.htm");
    EXPECT_EQ(editor.browse, folder() + "/MyWeb.htm");
    EXPECT_EQ(editor.caption, "HTML Editor: " + folder() + "/MyWebt.htm");
}

TEST_F(Pages, TiledBackgroundScriptWithSampleLines)
{
    HtmlOptions o;
    o.UseFrames = true;
    o.TileBkgd = true;
    o.SampleText = true;
    o.OriginalLinkAddress = "file:///C:\\Pics\\";
    const QString script = SetBgScript(o);
    EXPECT_TRUE(script.startsWith(
        "<script>\r\n  function setbg(im)\r\n  {\r\n    parent.pics.document.close();\r\n"
        "    parent.pics.document.open();\r\n"
        "    parent.pics.document.write(\"<html>\\n<head>\\n<title>Pixmaro</title>\\n\");\r\n"
        "    parent.pics.document.write(\"</head>\\n\");\r\n"
        "    parent.pics.document.write(\"<body bgcolor=\\\"#888888\\\" background=\" + '\"' + "
        "\"file:///C:\\\\Pics\\\\\" + im + '\"' + \">\\n</body>\\n</html>\");\r\n"));
    EXPECT_TRUE(script.endsWith("  }\r\n</script>\r\n"));
    const QStringList lines = script.split("\r\n");
    EXPECT_EQ(script.count("Sample text - #"), 101);
    EXPECT_EQ(lines[8],
        "    parent.pics.document.write(\"<p><font color=\\\"#000000\\\">Sample text - #000000 - "
        "Sample Text - <b>Sample Text</b></font><br>\");");
    EXPECT_EQ(lines[9],
        "    parent.pics.document.write(\"<font color=\\\"#400000\\\">Sample text - #400000 - "
        "Sample Text - <b>Sample Text</b></font><br>\");");
    EXPECT_TRUE(lines[10].contains("#400040"));
    EXPECT_TRUE(lines[108].contains("#FFFFFF"));

    const QString thumbs = ThumbsPage(o, Entries(2));
    EXPECT_TRUE(thumbs.contains(
        "<A HREF=\"bogus.htm\" onClick=\"setbg('s1.jpg');return false\"><IMG BORDER=\"1\" "
        "SRC=\"T1.jpg\" Width=\"96\" Height=\"72\" ALT=\"s1.jpg (101 bytes)\"></A>"));
    EXPECT_EQ(FramesColumnWidth(o, 0), 60);
}

TEST_F(Pages, ListLayoutAndTheEntriesOfARun)
{
    HtmlOptions o;
    o.UseTables = false;
    WriteGallery(o, Entries(2), 0, folder(), "list.htm", editor);
    EXPECT_TRUE(file("list.htm").contains("<P align=\"center\">\r\n\r\n<A TARGET"));
    EXPECT_EQ(editor.caption, "HTML Editor: " + folder() + "/list.htm");

    // Only slots the run reached whose outputs exist: a skipped slot that kept an existing file
    // counts, one without a file does not.
    RunState state;
    state.resizeRunInfo(4);
    const QString kept = test::WriteFile(folder() + "/kept.jpg", "x");
    const QString written = test::WriteFile(folder() + "/new.jpg", "x");
    state.RunInfo[0] = { 1, 9, 9, "/s/a.jpg", folder() + "/none.jpg" };
    state.RunInfo[1] = { 2, 9, 9, "/s/b.jpg", kept };
    state.RunInfo[2] = { 3, 9, 9, "/s/c.jpg", written };
    state.RunInfo[3] = { 4, 9, 9, "/s/d.jpg", written }; // not reached by the last run
    state.ReachedCount = 3;
    state.ProcessedCount = 1;
    const GalleryEntries entries = EntriesOfRun(state);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].SourcePath, "/s/b.jpg");
    EXPECT_EQ(entries[1].SourcePath, "/s/c.jpg");
}

} // namespace
} // namespace pixmaro
