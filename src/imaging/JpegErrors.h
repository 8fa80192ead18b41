// libjpeg error handling: a fatal error jumps back to the caller instead of ending the program.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace pixmaro {

struct JpegErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    int code = 0; // libjpeg's message code of the fatal error
};

/// Sets `errors` up so that a fatal error longjmps to `errors.jump` and warnings print nothing.
/// The libjpeg object and `errors` belong to the caller of the function that calls
/// setjmp(errors.jump), so nothing that function changes after setjmp is needed after the jump.
jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &errors);

/// Makes `out` `width` × `height` for libjpeg to write every pixel; when it cannot be held, jumps
/// to the error handler of `info` (so no C++ exception ever crosses libjpeg's frames).
void ResizeOrJump(WorkingBitmap &out, int width, int height, jpeg_decompress_struct &info);
/// As ResizeOrJump, holding only `rows` (see WorkingBitmap::resizeHoldingRows).
void ResizeRowsOrJump(WorkingBitmap &out, int width, int height, const std::vector<int> &rows,
    jpeg_decompress_struct &info);
/// Makes `out` `size` bytes, or jumps to the error handler of `info` when it cannot.
void ResizeOrJump(std::vector<std::uint8_t> &out, std::size_t size, jpeg_decompress_struct &info);

} // namespace pixmaro
