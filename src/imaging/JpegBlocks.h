// Compressed JPEG data held in blocks, for a picture compressed only to be decoded again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace pixmaro {

/// Compressed JPEG data in blocks of equal size (the last one partly used): growing it never
/// copies what it holds, and a reader can free each block once it has read it.
struct JpegBlocks {
    static constexpr std::size_t kBlockSize = std::size_t(1) << 20;
    std::vector<std::unique_ptr<std::uint8_t[]>> blocks;
    std::size_t size = 0; // bytes in all
};

} // namespace pixmaro
