// Reading GIF files (87a and 89a): header, colour tables, extensions and LZW image data.
#pragma once

#include "imaging/gif/GifFile.h"

#include <cstddef>
#include <cstdint>

namespace pixmaro::gif {

/// Reads a GIF held in memory into `file`; with `firstFrameOnly` it stops after the first image.
/// Every length and count is checked against the data. A truncated or corrupt image keeps the
/// pixels decoded before the damage (the rest are not painted); extensions other than the graphic
/// control are skipped. Returns false when there is no picture to show: wrong signature, a logical
/// screen of size 0 or beyond the size limit, or no image at all.
bool DecodeGif(const std::uint8_t *data, std::size_t size, GifFile &file, bool firstFrameOnly);

} // namespace pixmaro::gif
