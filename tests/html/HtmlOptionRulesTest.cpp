// Tests of the HTML options rules that change other options.
#include "html/HtmlOptionRules.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(HtmlOptionRules, FramesNeedTheLinkAndTheTable)
{
    HtmlOptions o;
    o.UseTables = false;
    CheckFrames(o, false);
    EXPECT_TRUE(o.UseFrames);
    EXPECT_TRUE(o.UseTables);

    HtmlOptions noLink;
    noLink.LinkOriginal = false;
    noLink.UseTables = false;
    CheckFrames(noLink, false);
    EXPECT_FALSE(noLink.UseFrames);
    EXPECT_FALSE(noLink.LinkOriginal);
    EXPECT_FALSE(noLink.UseTables);
    CheckFrames(noLink, true);
    EXPECT_TRUE(noLink.UseFrames && noLink.LinkOriginal && noLink.UseTables);

    UncheckLinkOriginal(noLink);
    EXPECT_FALSE(noLink.UseFrames);
    CheckFrames(noLink, true);
    CheckUseTables(noLink);
    EXPECT_FALSE(noLink.UseFrames);
}

TEST(HtmlOptionRules, StoredFramesAreSettledAfterLoad)
{
    HtmlOptions stored;
    stored.UseFrames = true;
    stored.UseTables = false;
    EXPECT_TRUE(AfterLoadRules(stored).UseTables);
    stored.LinkOriginal = false;
    EXPECT_FALSE(AfterLoadRules(stored).UseFrames);
    EXPECT_FALSE(AfterLoadRules(stored).UseTables);
}

} // namespace
} // namespace pixmaro
