// Device-independent bitmaps as metafile records carry them: a BITMAPINFO and the pixel bits.
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace pixmaro::metafile {

/// The most pixels a metafile's bitmap may have: 2^26, a 256 MB image once decoded (the limit Qt's
/// own image readers keep). A metafile can name any number of bitmaps, so each one is held to
/// this rather than to the picture size limit.
constexpr std::int64_t kMaxDibPixels = std::int64_t(1) << 26;

/// Decodes an uncompressed DIB (1, 4, 8, 16, 24 or 32 bits per pixel; BI_RGB or BI_BITFIELDS;
/// bottom-up or top-down) into an RGB32 image. Every size is checked against the bytes given;
/// anything else, or a bitmap beyond kMaxDibPixels, gives a null image.
QImage DecodeDib(
    const std::uint8_t *info, std::size_t infoSize, const std::uint8_t *bits, std::size_t bitsSize);

/// The size DecodeDib would give, without decoding; an empty size where it would give null.
QSize DibSize(
    const std::uint8_t *info, std::size_t infoSize, const std::uint8_t *bits, std::size_t bitsSize);

} // namespace pixmaro::metafile
