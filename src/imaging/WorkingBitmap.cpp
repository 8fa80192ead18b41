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
    m_data.reset(); // the old pixels are not needed: release them before taking the new memory
    m_capacity = 0;
    m_data.reset(new std::uint8_t[bytes]);
    m_capacity = bytes;
}

void WorkingBitmap::resizeToOverwrite(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!SizeAllowed(width, height))
        throw RasterTooLarge();
    const std::size_t stride = StrideFor(width);
    reserve(stride * std::size_t(height));
    m_width = width;
    m_height = height;
    m_stride = stride;
    const std::size_t used = std::size_t(width) * 3;
    if (used < stride) {
        for (int y = 0; y < height; ++y)
            std::memset(row(y) + used, 0, stride - used);
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
    m_capacity = 0;
    m_data.reset();
}

void WorkingBitmap::copyFrom(const WorkingBitmap &source)
{
    if (&source == this)
        return;
    resizeToOverwrite(source.m_width, source.m_height);
    if (byteCount() > 0)
        std::memcpy(m_data.get(), source.m_data.get(), byteCount());
}

} // namespace pixmaro
