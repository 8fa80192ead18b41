// Reading GIF files (87a and 89a): header, colour tables, extensions and LZW image data.
#pragma once

#include "imaging/WorkingBitmap.h"
#include "imaging/gif/GifFile.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace pixmaro::gif {

/// The most work one file may cost: pixels decoded plus data bytes passed over. A frame is
/// decoded only as far as it shows on the logical screen, so a single picture within the size
/// limit always fits; a file that needs more (a flood of frames, or of padding) is refused.
constexpr std::uint64_t kMaxGifWork = std::uint64_t(1) << 30;

/// Reads a GIF held in memory into `file`; with `firstFrameOnly` it stops after the first image.
/// Every length and count is checked against the data. A frame is decoded only until the rows
/// that show on the screen are complete. A truncated or corrupt image keeps the pixels decoded
/// before the damage (the rest are not painted); extensions other than the graphic control are
/// skipped. Returns false, leaving `file` empty, when there is no picture to show: wrong
/// signature, a logical screen of size 0 or beyond the size limit, no image at all, an image
/// whose descriptor is beyond the size limit or whose LZW minimum code size is not 1 to 8,
/// frames holding more than kMaxPixels in all, more than kMaxGifWork, or `cancel` set.
bool DecodeGif(const std::uint8_t *data, std::size_t size, GifFile &file, bool firstFrameOnly,
    const std::atomic<bool> *cancel = nullptr);

/// The first frame drawn on a white logical screen, as DecodeGif followed by DrawFirstFrameOnWhite
/// would give, but decoded straight into `out` without holding the frame's indexes. Returns false
/// when DecodeGif would (`out` is then unspecified).
bool DecodeFirstFrameOnWhite(const std::uint8_t *data, std::size_t size, WorkingBitmap &out,
    const std::atomic<bool> *cancel = nullptr);

} // namespace pixmaro::gif
