// Tests of the fast and quality resizes.
#include "imaging/Resample.h"

#include "imaging/Geometry.h"
#include "support/Rasters.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

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

// A raster of noise, so that any row read in place of another shows.
WorkingBitmap Noise(int w, int h)
{
    WorkingBitmap raster;
    raster.resize(w, h);
    std::mt19937 random(unsigned(w * 7919 + h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 3 * w; ++x)
            raster.row(y)[x] = std::uint8_t(random());
    return raster;
}

// `full` holding only `rows`.
WorkingBitmap OnlyRows(const WorkingBitmap &full, const std::vector<int> &rows)
{
    WorkingBitmap kept;
    kept.resizeHoldingRows(full.width(), full.height(), rows);
    for (const int y : rows)
        std::memcpy(kept.row(y), full.row(y), std::size_t(full.width()) * 3);
    return kept;
}

TEST(RowsReadByResizeQuality, AreAllTheRowsTheResizeReads)
{
    const struct {
        int srcW, srcH, W, H;
    } cases[] = { { 1000, 700, 96, 67 }, { 700, 1000, 67, 96 }, { 5, 5, 5, 5 }, { 3, 3, 2, 2 },
        { 2, 2, 4, 4 }, { 61, 47, 200, 300 }, { 4000, 3000, 96, 72 }, { 97, 2, 10, 1 },
        { 10, 1000, 10, 999 }, { 50, 50, 1, 1 } };
    for (const auto &c : cases) {
        const std::vector<int> rows = RowsReadByResizeQuality(c.srcW, c.srcH, c.W, c.H);
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(rows.size(), std::size_t(2 * c.H));
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
        const WorkingBitmap full = Noise(c.srcW, c.srcH);
        WorkingBitmap a, b = OnlyRows(full, rows);
        a.copyFrom(full);
        ScratchBitmap scratch;
        ResizeQuality(a, scratch, c.W, c.H);
        ResizeQuality(b, scratch, c.W, c.H);
        EXPECT_TRUE(test::SamePixels(a, b))
            << c.srcW << "x" << c.srcH << " to " << c.W << "x" << c.H;
    }
    // Nothing is read for an empty target or a source the resize cannot scale.
    EXPECT_TRUE(RowsReadByResizeQuality(100, 100, 0, 5).empty());
    EXPECT_TRUE(RowsReadByResizeQuality(1, 100, 5, 5).empty());
    EXPECT_TRUE(RowsReadByResizeQuality(100, 1, 5, 5).empty());
    EXPECT_TRUE(RowsReadByResizeQuality(100, 100, 70000, 5).empty());
}

TEST(RowsReadByResizeFast, AreTheNearestRows)
{
    EXPECT_EQ(RowsReadByResizeFast(10, 3, 5), (std::vector<int> { 1, 3, 5, 7, 9 }));
    EXPECT_EQ(RowsReadByResizeFast(3, 3, 7), (std::vector<int> { 0, 1, 2 }));
    EXPECT_EQ(RowsReadByResizeFast(1000, 96, 1), (std::vector<int> { 500 }));
    EXPECT_TRUE(RowsReadByResizeFast(1000, 0, 10).empty());
    EXPECT_TRUE(RowsReadByResizeFast(1000, 10, 0).empty());
}

TEST(WorkingBitmap, HoldingSomeRows)
{
    WorkingBitmap raster;
    raster.resizeHoldingRows(5, 10, { 2, 3, 9 });
    EXPECT_EQ(raster.width(), 5);
    EXPECT_EQ(raster.height(), 10);
    EXPECT_FALSE(raster.holdsAllRows());
    EXPECT_TRUE(raster.holdsRow(3));
    EXPECT_FALSE(raster.holdsRow(4));
    for (const int y : { 2, 3, 9 })
        test::Set(raster, 4, y, { y, 2 * y, 3 * y });
    EXPECT_EQ(At(raster, 4, 9), (Px { 9, 18, 27 }));
    EXPECT_EQ(At(raster, 4, 5), (Px { 0, 0, 0 })); // not held: black
    EXPECT_EQ(raster.row(5)[15], 0); // and padded like any row

    WorkingBitmap copy;
    copy.copyFrom(raster);
    EXPECT_FALSE(copy.holdsRow(0));
    EXPECT_EQ(At(copy, 4, 3), (Px { 3, 6, 9 }));
    WorkingBitmap other;
    other.resize(2, 2);
    other.swap(copy);
    EXPECT_TRUE(copy.holdsAllRows());
    EXPECT_EQ(At(other, 4, 2), (Px { 2, 4, 6 }));
    other.fill(1, 2, 3);
    EXPECT_EQ(At(other, 0, 7), (Px { 1, 2, 3 }));

    // Every row listed is a plain raster; a dense resize ends the partial one.
    raster.resizeHoldingRows(3, 2, { 0, 1 });
    EXPECT_TRUE(raster.holdsAllRows());
    raster.resizeHoldingRows(3, 4, { 1 });
    raster.resize(3, 4);
    EXPECT_TRUE(raster.holdsAllRows());
    EXPECT_THROW(raster.resizeHoldingRows(3, 4, { 2, 1 }), std::invalid_argument);
    EXPECT_THROW(raster.resizeHoldingRows(3, 4, { 4 }), std::invalid_argument);
    EXPECT_THROW(raster.resizeHoldingRows(70000, 4, { 1 }), RasterTooLarge);
}

} // namespace
} // namespace pixmaro
