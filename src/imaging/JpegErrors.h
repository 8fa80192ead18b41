// libjpeg error handling: a fatal error jumps back to the caller instead of ending the program.
#pragma once

#include "imaging/WorkingBitmap.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace pixmaro {

struct JpegErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    int code = 0; // libjpeg's message code of the fatal error
};

/// Sets `errors` up so that a fatal error longjmps to `errors.jump` and warnings print nothing.
/// The caller calls setjmp(errors.jump) before creating the libjpeg object.
jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &errors);

/// Resizes `out`; when it cannot be held, jumps to the error handler of `info` (so no C++
/// exception ever crosses libjpeg's frames). Returns true when it could.
bool ResizeOrJump(WorkingBitmap &out, int width, int height, jpeg_decompress_struct &info);

} // namespace pixmaro
