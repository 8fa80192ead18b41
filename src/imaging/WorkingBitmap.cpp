// The 24-bit working raster: rows top to bottom, pixels blue-green-red, rows padded to 4 bytes.
#include "imaging/WorkingBitmap.h"

#include <algorithm>
#include <cstring>

namespace pixmaro {

void WorkingBitmap::resize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!SizeAllowed(width, height))
        throw RasterTooLarge();
    m_width = width;
    m_height = height;
    m_stride = StrideFor(width);
    const std::size_t bytes = byteCount();
    // assign() reuses the capacity already there and clears every byte.
    m_pixels.assign(bytes, 0);
}

void WorkingBitmap::fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    if (isEmpty())
        return;
    std::uint8_t *first = row(0);
    for (int x = 0; x < m_width; ++x) {
        first[3 * x] = blue;
        first[3 * x + 1] = green;
        first[3 * x + 2] = red;
    }
    for (int y = 1; y < m_height; ++y)
        std::memcpy(row(y), first, m_stride);
}

void WorkingBitmap::clear()
{
    m_width = m_height = 0;
    m_stride = 0;
    std::vector<std::uint8_t>().swap(m_pixels);
}

void WorkingBitmap::copyFrom(const WorkingBitmap &source)
{
    if (&source == this)
        return;
    m_width = source.m_width;
    m_height = source.m_height;
    m_stride = source.m_stride;
    m_pixels.assign(
        source.m_pixels.begin(), source.m_pixels.begin() + std::ptrdiff_t(source.byteCount()));
}

} // namespace pixmaro
