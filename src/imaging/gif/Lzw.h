// The variable-length-code LZW compression of GIF image data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixmaro::gif {

constexpr int kMaxLzwBits = 12;
constexpr int kMaxLzwCodes = 1 << kMaxLzwBits;

/// Decodes LZW `data` (the image's sub-blocks joined) with the given minimum code size (1 to 8)
/// into at most `maxPixels` indexes. Decoding ends at the end code, when the data runs out, or at
/// a code beyond the table (corrupt data); what was decoded until then is returned.
std::vector<std::uint8_t> LzwDecode(
    const std::uint8_t *data, std::size_t size, int minCodeSize, std::size_t maxPixels);

/// Encodes `pixels` (each below 2^minCodeSize) as GIF LZW data: a clear code first, codes growing
/// to 12 bits, a clear code whenever the table is full, the end code last. `minCodeSize` is 2 to 8.
std::vector<std::uint8_t> LzwEncode(const std::uint8_t *pixels, std::size_t count, int minCodeSize);

} // namespace pixmaro::gif
