// The 24-bit working raster: rows top to bottom, pixels blue-green-red, rows padded to 4 bytes.
#include "imaging/WorkingBitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pixmaro {

void WorkingBitmap::reserve(std::size_t bytes)
{
    if (bytes <= m_capacity)
        return;
    // The old pixels are not needed: release them before taking the new memory. Should the
    // allocation fail, the raster is left empty rather than pointing at nothing.
    clear();
    m_data.reset(new std::uint8_t[bytes]);
    m_capacity = bytes;
}

void WorkingBitmap::setSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!SizeAllowed(width, height))
        throw RasterTooLarge();
    m_width = width;
    m_height = height;
    m_stride = StrideFor(width);
}

void WorkingBitmap::resizeToOverwrite(int width, int height)
{
    const std::size_t stride = StrideFor(std::max(width, 0));
    if (!SizeAllowed(std::max(width, 0), std::max(height, 0)))
        throw RasterTooLarge();
    reserve(stride * std::size_t(std::max(height, 0)));
    setSize(width, height);
    m_slots.clear();
    m_heldRows = 0;
    const std::size_t used = std::size_t(m_width) * 3;
    if (used < m_stride) {
        for (int y = 0; y < m_height; ++y)
            std::memset(row(y) + used, 0, m_stride - used);
    }
}

void WorkingBitmap::resizeHoldingRows(int width, int height, const std::vector<int> &rows)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] < 0 || rows[i] >= height || (i > 0 && rows[i] <= rows[i - 1]))
            throw std::invalid_argument("rows not ascending within the raster");
    }
    if (!SizeAllowed(width, height))
        throw RasterTooLarge();
    const std::size_t stride = StrideFor(width);
    // The held rows, then one black row that stands for every row not held.
    std::vector<std::uint32_t> slots;
    slots.swap(m_slots); // reuses the table's memory
    m_heldRows = 0;
    slots.assign(std::size_t(height), std::uint32_t(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        slots[std::size_t(rows[i])] = std::uint32_t(i);
    reserve(stride * (rows.size() + 1));
    setSize(width, height);
    m_slots.swap(slots);
    m_heldRows = int(rows.size());
    std::uint8_t *black = m_data.get() + rows.size() * stride;
    std::memset(black, 0, stride);
    const std::size_t used = std::size_t(width) * 3;
    if (used < stride) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            std::memset(m_data.get() + i * stride + used, 0, stride - used);
    }
    // A raster of every row is held densely, whatever the list said.
    if (m_heldRows == height) {
        m_slots.clear();
        m_heldRows = 0;
    }
}

void WorkingBitmap::resize(int width, int height)
{
    resizeToOverwrite(width, height);
    if (byteCount() > 0)
        std::memset(m_data.get(), 0, byteCount());
}

void WorkingBitmap::swap(WorkingBitmap &other) noexcept
{
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    std::swap(m_stride, other.m_stride);
    std::swap(m_capacity, other.m_capacity);
    std::swap(m_data, other.m_data);
    std::swap(m_slots, other.m_slots);
    std::swap(m_heldRows, other.m_heldRows);
}

void WorkingBitmap::fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    if (isEmpty())
        return;
    std::uint8_t *first = m_data.get();
    for (int x = 0; x < m_width; ++x) {
        first[3 * x] = blue;
        first[3 * x + 1] = green;
        first[3 * x + 2] = red;
    }
    // Every stored row, the black stand-in of a partly held raster included: all rows are filled.
    const std::size_t stored
        = m_slots.empty() ? std::size_t(m_height) : std::size_t(m_heldRows) + 1;
    for (std::size_t i = 1; i < stored; ++i)
        std::memcpy(first + i * m_stride, first, m_stride);
}

void WorkingBitmap::clear()
{
    m_width = m_height = 0;
    m_stride = 0;
    m_capacity = 0;
    m_data.reset();
    m_slots.clear();
    m_heldRows = 0;
}

void WorkingBitmap::copyFrom(const WorkingBitmap &source)
{
    if (&source == this)
        return;
    if (source.holdsAllRows()) {
        resizeToOverwrite(source.m_width, source.m_height);
        if (byteCount() > 0)
            std::memcpy(m_data.get(), source.m_data.get(), byteCount());
        return;
    }
    const std::size_t stored = std::size_t(source.m_heldRows) + 1;
    std::vector<std::uint32_t> slots = source.m_slots;
    reserve(stored * source.m_stride);
    setSize(source.m_width, source.m_height);
    m_slots.swap(slots);
    m_heldRows = source.m_heldRows;
    std::memcpy(m_data.get(), source.m_data.get(), stored * m_stride);
}

} // namespace pixmaro
