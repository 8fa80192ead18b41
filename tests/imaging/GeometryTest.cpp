// Tests of thumbnail geometry, including rounding at exact halves.
#include "imaging/Geometry.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(Geometry, FitWithinMaxWorkedResults)
{
    const struct {
        int w, h, max;
        ThumbSize expected;
    } rows[] = {
        { 640, 480, 96, { 96, 72 } },
        { 480, 640, 96, { 72, 96 } },
        { 50, 96, 96, { 50, 96 } },
        { 60, 40, 96, { 60, 40 } },
        { 4, 3, 2, { 2, 2 } },
        { 8, 5, 4, { 4, 2 } },
        { 4, 1, 2, { 2, 0 } },
        { 3, 3, 3, { 3, 3 } },
        { 400, 300, 100, { 100, 75 } },
        { 5, 5, 0, { 0, 0 } },
        { 96, 50, 96, { 96, 50 } },
    };
    for (const auto &row : rows) {
        const ThumbSize s = FitWithinMax(row.w, row.h, row.max);
        EXPECT_EQ(s, row.expected) << row.w << "x" << row.h << " max " << row.max << " gave "
                                   << s.width << "x" << s.height;
    }
}

TEST(Geometry, ScaleToAGivenSideEnlargesToo)
{
    EXPECT_EQ(ScaleToWidth(100, 50, 300), (ThumbSize { 300, 150 }));
    EXPECT_EQ(ScaleToHeight(100, 50, 25), (ThumbSize { 50, 25 }));
    EXPECT_EQ(ScaleToWidth(4, 1, 2), (ThumbSize { 2, 0 })); // 0.5 rounds to 0
    EXPECT_EQ(ScaleToWidth(4, 6, 2), (ThumbSize { 2, 3 })); // exactly 3
    EXPECT_EQ(ScaleToHeight(5, 2, 1), (ThumbSize { 2, 1 })); // 2.5 rounds to 2
    EXPECT_EQ(ScaleToHeight(7, 2, 1), (ThumbSize { 4, 1 })); // 3.5 rounds to 4
    // (1 ÷ 3) × 3 is not exactly 1 in binary but rounds to it.
    EXPECT_EQ(ScaleToWidth(3, 3, 1), (ThumbSize { 1, 1 }));
}

TEST(Geometry, DivisionByZeroAndOverflowFail)
{
    EXPECT_THROW(ScaleToWidth(0, 10, 5), DivisionByZero);
    EXPECT_THROW(ScaleToHeight(10, 0, 5), DivisionByZero);
    EXPECT_THROW(FitWithinMax(0, 0, 0), DivisionByZero);
    EXPECT_EQ(FitWithinMax(0, 0, 5), (ThumbSize { 0, 0 }));
    EXPECT_THROW(ScaleToWidth(1, 65535, 100000), std::overflow_error);
}

} // namespace
} // namespace pixmaro
