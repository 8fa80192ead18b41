// Checked little-endian reading of untrusted bytes.
#include "base/ByteReader.h"

#include <cmath>
#include <cstring>

namespace pixmaro {

float ByteReader::f32At(std::size_t offset) const
{
    const std::uint32_t bits = u32At(offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return std::isfinite(value) ? value : 0.0f;
}

} // namespace pixmaro
