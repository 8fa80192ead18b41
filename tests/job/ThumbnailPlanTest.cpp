// Tests of the thumbnail plan: the size rule by settings and the rows its resize reads.
#include "job/ThumbnailPlan.h"

#include "imaging/Resample.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(ThumbnailPlan, SizeFollowsRatioAndForceFlags)
{
    const struct {
        ThumbnailPlan plan;
        ThumbSize size;
    } cases[] = {
        { { true, 96, 96, 50, false, false, 1 }, { 96, 72 } }, // fit within 96
        { { true, 96, 96, 50, true, true, 1 }, { 96, 72 } }, // Force Width wins
        { { true, 96, 96, 50, false, true, 1 }, { 128, 96 } }, // Force Height
        { { true, 1000, 96, 50, true, false, 0 }, { 1000, 750 } }, // enlarges
        { { false, 96, 96, 50, true, false, 1 }, { 96, 50 } }, // typed size, flags ignored
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.plan.sizeFor(640, 480), c.size);
    // A side that rounds below one pixel is one pixel.
    EXPECT_EQ(
        (ThumbnailPlan { true, 2, 0, 0, false, false, 1 }.sizeFor(4, 1)), (ThumbSize { 2, 1 }));
}

TEST(ThumbnailPlan, RowsAreThoseOfTheResizeOrEveryRowWhenTheSizeFails)
{
    const ThumbnailPlan quality { true, 96, 96, 96, false, false, 1 };
    EXPECT_EQ(quality.rowsFor(640, 480), RowsReadByResizeQuality(640, 480, 96, 72));
    ThumbnailPlan fast = quality;
    fast.ResizeSpeed = 0;
    EXPECT_EQ(fast.rowsFor(640, 480), RowsReadByResizeFast(480, 96, 72));
    // A side beyond 32 bits fails where the run works the size out, after the load: the load
    // keeps every row.
    const ThumbnailPlan huge { true, 2000000000, 0, 0, true, false, 1 };
    EXPECT_THROW(huge.sizeFor(1, 100), std::overflow_error);
    EXPECT_EQ(huge.rowsFor(1, 100), std::nullopt);
}

} // namespace
} // namespace pixmaro
