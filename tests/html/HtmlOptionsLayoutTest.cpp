// Tests of what the HTML options dialog shows and enables, one row per rule.
#include "html/HtmlOptionsLayout.h"

#include <functional>
#include <gtest/gtest.h>

namespace pixmaro {
namespace {

struct LayoutRow {
    const char *name;
    std::function<void(HtmlOptions &)> change;
    std::function<void(HtmlOptionsLayout &)> expect; // the differences from the defaults' layout
};

void PrintTo(const LayoutRow &row, std::ostream *os)
{
    *os << row.name;
}

class LayoutRules : public ::testing::TestWithParam<LayoutRow> { };

TEST_P(LayoutRules, DiffersFromTheDefaultsExactlyAsTheRuleSays)
{
    HtmlOptions o;
    GetParam().change(o);
    HtmlOptionsLayout expected = LayoutFor(HtmlOptions());
    GetParam().expect(expected);
    EXPECT_EQ(LayoutFor(o), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, LayoutRules,
    ::testing::Values(
        LayoutRow { "no border hides its size", [](HtmlOptions &o) { o.LinkBorder = false; },
            [](HtmlOptionsLayout &l) { l.eBorder = false; } },
        LayoutRow { "no link hides the HREF address and modes",
            [](HtmlOptions &o) { o.LinkOriginal = false; },
            [](HtmlOptionsLayout &l) { l.eHREF = l.rgHREF = false; } },
        LayoutRow { "no caption hides its text and alignment",
            [](HtmlOptions &o) { o.IncludeCaption = false; },
            [](HtmlOptionsLayout &l) { l.eCaption = false; } },
        LayoutRow { "no table colour hides its picker",
            [](HtmlOptions &o) { o.UseBkgdColor = false; },
            [](HtmlOptionsLayout &l) { l.cpTBkgd = false; } },
        LayoutRow { "cell colour shows its picker", [](HtmlOptions &o) { o.UseCellColor = true; },
            [](HtmlOptionsLayout &l) { l.cpCBkgd = true; } },
        LayoutRow { "one page hides the page count, buttons and note",
            [](HtmlOptions &o) { o.MultiPg = false; },
            [](HtmlOptionsLayout &l) { l.eTperPg = l.gbNavBtns = l.lMHelp = false; } },
        LayoutRow { "no navigation hides the three placements",
            [](HtmlOptions &o) { o.UseNavBtns = false; },
            [](HtmlOptionsLayout &l) { l.navButtons = false; } },
        LayoutRow { "no table hides the six", [](HtmlOptions &o) { o.UseTables = false; },
            [](HtmlOptionsLayout &l) {
                l.GroupBox3 = l.GroupBox4 = l.Label24 = l.gbPages = l.gbNavBtns = l.lMHelp = false;
            } },
        LayoutRow { "tiling enables the sample text (shown with frames only)",
            [](HtmlOptions &o) { o.TileBkgd = true; },
            [](HtmlOptionsLayout &l) { l.cbTxtEnabled = true; } },
        LayoutRow { "frames", [](HtmlOptions &o) { o.UseFrames = true; },
            [](HtmlOptionsLayout &l) {
                l.cbUseTableEnabled = l.tableShapeEnabled = false;
                l.lFrameHelp = l.cbBkgd = true;
                l.lMHelp = l.gbPages = l.gbNavBtns = l.Label24 = false;
            } },
        LayoutRow { "generic modes hide both address fields",
            [](HtmlOptions &o) {
                o.OriginalLinkOpt = int(LinkMode::GenericLocation);
                o.ThumbLinkOpt = int(LinkMode::GenericLocation);
            },
            [](HtmlOptionsLayout &l) { l.eHREF = l.eIMG = false; } },
        LayoutRow { "the other modes show them",
            [](HtmlOptions &o) {
                o.OriginalLinkOpt = int(LinkMode::LocalDrive);
                o.ThumbLinkOpt = int(LinkMode::ExplicitInternet);
            },
            [](HtmlOptionsLayout &) {} }));

TEST(LayoutRules, DefaultsShowTheTablePagesWithoutFrames)
{
    const HtmlOptionsLayout l = LayoutFor(HtmlOptions());
    EXPECT_TRUE(l.eHREF && l.rgHREF && l.eIMG && l.eBorder && l.eCaption && l.cpTBkgd);
    EXPECT_TRUE(l.GroupBox3 && l.GroupBox4 && l.gbPages && l.gbNavBtns && l.lMHelp);
    EXPECT_FALSE(l.cpCBkgd || l.lFrameHelp || l.cbBkgd || l.cbTxtEnabled);
    EXPECT_TRUE(l.cbUseTableEnabled && l.tableShapeEnabled);
}

} // namespace
} // namespace pixmaro
