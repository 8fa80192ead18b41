// The 24-bit working raster: rows top to bottom, pixels blue-green-red, rows padded to 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace pixmaro {

/// The largest picture Pixmaro takes: each side at most 65,535 pixels, at most 2^28 pixels in all.
constexpr int kMaxSide = 65535;
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 28;

/// Whether a picture of `width` × `height` is within the size Pixmaro takes.
constexpr bool SizeAllowed(std::int64_t width, std::int64_t height)
{
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide
        && width * height <= kMaxPixels;
}

/// A raster too large to hold; the run that asked for it fails.
class RasterTooLarge : public std::length_error {
public:
    RasterTooLarge()
        : std::length_error("raster too large")
    {
    }
};

/// A 24-bit raster laid out like the pixel rows of a 24-bit BMP (but top row first). Resizing keeps
/// the memory it already has when it is large enough, and always starts the new raster cleared to
/// black, so no pixel of an earlier picture ever shows through.
///
/// A raster may hold only some of its rows (resizeHoldingRows): a picture decoded for a thumbnail
/// keeps just the rows the resize reads. Such a raster has its full width and height, and row(y)
/// of a row it does not hold gives a black row; bits() and the dense copies are for rasters that
/// hold every row.
class WorkingBitmap {
public:
    WorkingBitmap() = default;

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }
    /// Bytes from one row to the next: width × 3 rounded up to a multiple of 4.
    std::size_t stride() const { return m_stride; }
    static std::size_t StrideFor(int width)
    {
        return (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    }

    std::uint8_t *row(int y) { return m_data.get() + offsetOf(y); }
    const std::uint8_t *row(int y) const { return m_data.get() + offsetOf(y); }
    /// The pixels as one block, rows `stride()` apart; only for a raster that holds every row.
    std::uint8_t *bits() { return m_data.get(); }
    const std::uint8_t *bits() const { return m_data.get(); }
    /// Bytes of the whole raster, height × stride (what a BMP of it holds).
    std::size_t byteCount() const { return std::size_t(m_height) * m_stride; }
    /// Whether every row is held (true for every raster but one made by resizeHoldingRows).
    bool holdsAllRows() const { return m_slots.empty(); }
    /// Whether row `y` is held.
    bool holdsRow(int y) const
    {
        return m_slots.empty() || m_slots[std::size_t(y)] != std::uint32_t(m_heldRows);
    }

    /// Makes the raster `width` × `height`, all black. Throws RasterTooLarge beyond the size limit
    /// (negative sizes count as 0).
    void resize(int width, int height);
    /// Makes the raster `width` × `height` for a caller that writes every pixel itself: only the
    /// row padding is cleared. (Clearing a large raster that is then overwritten costs as much as
    /// a good part of decoding it.)
    void resizeToOverwrite(int width, int height);
    /// Makes the raster `width` × `height` holding only the rows `rows` (ascending, distinct, each
    /// below `height`), for a caller that writes every pixel of them: memory is taken for those
    /// rows alone. The rows not held read as black. Throws RasterTooLarge as resize does, and
    /// std::invalid_argument for a row list that is not ascending or not within the raster.
    void resizeHoldingRows(int width, int height, const std::vector<int> &rows);
    /// Exchanges the contents and memory of two rasters.
    void swap(WorkingBitmap &other) noexcept;
    /// Fills every pixel with one colour.
    void fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    /// Releases the memory.
    void clear();

    /// Becomes a copy of `source` (size and pixels), reusing its own memory where it can.
    void copyFrom(const WorkingBitmap &source);

private:
    // The memory is kept when a smaller raster follows a larger one, so a run of pictures
    // allocates (and faults in fresh pages) only when a picture is the largest so far.
    void reserve(std::size_t bytes);
    // Takes the size and stride of a `width` × `height` raster, checking the size limit.
    void setSize(int width, int height);
    std::size_t offsetOf(int y) const
    {
        return (m_slots.empty() ? std::size_t(y) : std::size_t(m_slots[std::size_t(y)])) * m_stride;
    }

    int m_width = 0;
    int m_height = 0;
    std::size_t m_stride = 0;
    std::size_t m_capacity = 0;
    std::unique_ptr<std::uint8_t[]> m_data;
    // For a raster holding some rows: the memory slot of each row; the rows not held share the
    // black slot m_heldRows, after the held ones. Empty when every row is held.
    std::vector<std::uint32_t> m_slots;
    int m_heldRows = 0;
};

/// The destination raster of the quality resize: a working raster of its own.
using ScratchBitmap = WorkingBitmap;

} // namespace pixmaro
