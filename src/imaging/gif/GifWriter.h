// Writing GIF files, and the colour-map optimisation done before writing.
#pragma once

#include "imaging/gif/GifFile.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace pixmaro::gif {

/// Counts how many pixels use each colour of every table (a frame's transparent index not
/// counted), merges identical colours, and keeps the used ones most-used first (ties by colour
/// value) as one sorted global table of at most 256 colours, or 255 and a black transparent entry
/// when transparency is used. Colours beyond those kept go to the kept colour with the nearest
/// channel sum. Every frame's own table is dropped and its indexes renumbered.
void OptimizeColorMap(GifFile &file);

/// Appends `data` as GIF data sub-blocks (at most 255 bytes each) and the block terminator.
void AppendSubBlocks(QByteArray &out, const std::vector<std::uint8_t> &data);

/// The file as GIF87a: logical screen with the global table (sort flag set, colour resolution and
/// size both b - 1 for the smallest b with 2^b colours, padded with black), the first frame as one
/// image at (0, 0) without a local table, its LZW data, and the trailer. No extensions.
QByteArray EncodeGif87a(const GifFile &file);

} // namespace pixmaro::gif
