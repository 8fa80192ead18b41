// Tests of the fast and quality resizes.
#include "imaging/Resample.h"

#include "imaging/Geometry.h"
#include "support/Rasters.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::At;
using test::GreyRaster;
using test::Px;

std::vector<int> GreyRow(const WorkingBitmap &r, int y)
{
    std::vector<int> row;
    for (int x = 0; x < r.width(); ++x)
        row.push_back(At(r, x, y).r);
    return row;
}

TEST(ResizeQuality, SameSizeIsNotAnIdentity)
{
    WorkingBitmap working = GreyRaster({ { 0, 50, 100, 150, 200 }, { 0, 50, 100, 150, 200 } });
    ScratchBitmap scratch;
    ResizeQuality(working, scratch, 5, 1);
    ASSERT_EQ(working.width(), 5);
    ASSERT_EQ(working.height(), 1);
    EXPECT_EQ(GreyRow(working, 0), (std::vector<int> { 0, 40, 80, 120, 160 }));
}

TEST(ResizeQuality, ThreeByThreeToTwoByTwoKeepsTheTopLeftBlock)
{
    WorkingBitmap working;
    working.resize(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            test::Set(working, x, y, { 10 * x + y, 100 + x, 200 - y });
    ScratchBitmap scratch;
    ResizeQuality(working, scratch, 2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(At(working, x, y), (Px { 10 * x + y, 100 + x, 200 - y }));
}

TEST(ResizeQuality, TwoByTwoEnlargedToFourByFour)
{
    WorkingBitmap working = GreyRaster({ { 0, 200 }, { 100, 255 } });
    ScratchBitmap scratch;
    ResizeQuality(working, scratch, 4, 4);
    EXPECT_EQ(GreyRow(working, 0), (std::vector<int> { 0, 50, 100, 150 }));
    EXPECT_EQ(GreyRow(working, 1), (std::vector<int> { 25, 72, 119, 167 }));
    EXPECT_EQ(GreyRow(working, 2), (std::vector<int> { 50, 94, 139, 183 }));
    EXPECT_EQ(GreyRow(working, 3), (std::vector<int> { 75, 117, 158, 200 }));
}

TEST(ResizeQuality, ThinSourcesFailAndEmptyTargetsAreEmpty)
{
    WorkingBitmap thin = GreyRaster({ { 1 }, { 2 }, { 3 } });
    ScratchBitmap scratch;
    EXPECT_THROW(ResizeQuality(thin, scratch, 4, 4), DivisionByZero);
    WorkingBitmap flat = GreyRaster({ { 1, 2, 3 } });
    EXPECT_THROW(ResizeQuality(flat, scratch, 4, 4), DivisionByZero);

    WorkingBitmap working = GreyRaster({ { 0, 200 }, { 100, 255 } });
    ResizeQuality(working, scratch, 0, 5);
    EXPECT_TRUE(working.isEmpty());
}

TEST(ResizeQuality, LargeReductionReadsOnlyPixelsInside)
{
    WorkingBitmap working;
    working.resize(1000, 700);
    working.fill(10, 20, 30);
    ScratchBitmap scratch;
    ResizeQuality(working, scratch, 96, 67);
    EXPECT_EQ(working.width(), 96);
    EXPECT_EQ(At(working, 95, 66), (Px { 10, 20, 30 }));
}

TEST(WorkingBitmap, ResizingClearsEarlierPixels)
{
    WorkingBitmap raster;
    raster.resize(4, 4);
    raster.fill(255, 255, 255);
    raster.resize(3, 2);
    EXPECT_EQ(raster.stride(), 12u);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(raster, x, y), (Px { 0, 0, 0 }));
    EXPECT_THROW(raster.resize(70000, 1), RasterTooLarge);
    EXPECT_THROW(raster.resize(20000, 20000), RasterTooLarge);
}

} // namespace
} // namespace pixmaro
