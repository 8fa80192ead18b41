// Fuzz target: the GIF decoder and frame composition on arbitrary bytes.
#include "imaging/gif/GifCompose.h"
#include "imaging/gif/GifDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pixmaro;
    gif::GifFile file;
    // Large screens are legal but only slow the search down: decode them, draw small ones.
    if (gif::DecodeGif(data, size, file, false)
        && std::int64_t(file.screenWidth) * file.screenHeight <= 1 << 20) {
        WorkingBitmap first;
        gif::DrawFirstFrameOnWhite(file, first);
        {
            int frames = 0;
            gif::ComposeFrames(file, [&](const QImage &, int) { return ++frames < 50; });
        }
    }
    return 0;
}
