// JPEG decoding with libjpeg into the working raster.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixmaro {

/// The most scans a progressive JPEG may have; more is treated as a broken or hostile file.
constexpr int kMaxJpegScans = 100;

/// Decodes a JPEG held in memory at full scale (accurate integer DCT, fancy upsampling, block
/// smoothing) into `out` as 24-bit colour. A grey JPEG goes through libjpeg's one-pass colour
/// quantiser (236 levels, Floyd-Steinberg dithering) and is stored as grey. CMYK and YCCK files
/// are converted to RGB (Adobe files store their ink values inverted). Corrupt data that libjpeg
/// can decode past gives the picture it decodes; a fatal error, a picture beyond the size limit or
/// more than kMaxJpegScans scans returns false, leaving `out` empty.
bool DecodeJpeg(const std::uint8_t *data, std::size_t size, WorkingBitmap &out);

/// An 8-bit picture: one colour-map index per pixel, rows top to bottom.
struct QuantizedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indexes;
    std::vector<std::array<std::uint8_t, 3>> colors; // red, green, blue
};

/// Decodes a colour JPEG through libjpeg's colour quantiser: `colors` colours at most, two-pass
/// (a palette chosen from the whole picture) with Floyd-Steinberg dithering, accurate integer DCT,
/// fancy upsampling and block smoothing. Returns false on any library error, setting `errorCode`
/// to libjpeg's message code.
bool DecodeJpegQuantized(
    const std::uint8_t *data, std::size_t size, int colors, QuantizedImage &out, int *errorCode);

} // namespace pixmaro
