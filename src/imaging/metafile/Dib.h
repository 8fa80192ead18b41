// Device-independent bitmaps as metafile records carry them: a BITMAPINFO and the pixel bits.
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace pixmaro::metafile {

/// Decodes an uncompressed DIB (1, 4, 8, 16, 24 or 32 bits per pixel; BI_RGB or BI_BITFIELDS;
/// bottom-up or top-down) into an RGB32 image. Every size is checked against the bytes given;
/// anything else, or a picture beyond the size limit, gives a null image.
QImage DecodeDib(
    const std::uint8_t *info, std::size_t infoSize, const std::uint8_t *bits, std::size_t bitsSize);

} // namespace pixmaro::metafile
