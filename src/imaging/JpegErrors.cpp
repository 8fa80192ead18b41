// libjpeg error handling: a fatal error jumps back to the caller instead of ending the program.
#include "imaging/JpegErrors.h"

#include <jerror.h>
#include <new>

namespace pixmaro {

namespace {

[[noreturn]] void JumpOnError(j_common_ptr common)
{
    auto *errors = reinterpret_cast<JpegErrorManager *>(common->err);
    errors->code = common->err->msg_code;
    std::longjmp(errors->jump, 1);
}

void CountWarnings(j_common_ptr common, int level)
{
    if (level < 0)
        ++common->err->num_warnings;
}

} // namespace

jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &errors)
{
    jpeg_error_mgr *manager = jpeg_std_error(&errors.manager);
    manager->error_exit = JumpOnError;
    manager->emit_message = CountWarnings;
    return manager;
}

bool ResizeOrJump(WorkingBitmap &out, int width, int height, jpeg_decompress_struct &info)
{
    bool ok = true;
    try {
        out.resizeToOverwrite(width, height);
    } catch (const std::exception &) {
        ok = false;
    }
    if (!ok) {
        info.err->msg_code = JERR_OUT_OF_MEMORY;
        info.err->error_exit(reinterpret_cast<j_common_ptr>(&info));
    }
    return ok;
}

} // namespace pixmaro
