// Fuzz target: the GIF decoder and frame composition on arbitrary bytes, and the decode straight
// onto the screen checked against drawing the decoded first frame.
#include "imaging/gif/GifCompose.h"
#include "imaging/gif/GifDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

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
        gif::GifFile firstOnly;
        WorkingBitmap direct;
        const bool decoded = gif::DecodeGif(data, size, firstOnly, true);
        if (gif::DecodeFirstFrameOnWhite(data, size, direct) != decoded)
            __builtin_trap();
        if (decoded) {
            gif::DrawFirstFrameOnWhite(firstOnly, first);
            if (direct.byteCount() != first.byteCount()
                || std::memcmp(direct.bits(), first.bits(), first.byteCount()) != 0)
                __builtin_trap();
        }
    }
    return 0;
}
