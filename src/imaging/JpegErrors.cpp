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

// Runs `resize`; when it throws, the exception ends here and libjpeg's error handler jumps.
template <typename Resize> void OrJump(jpeg_decompress_struct &info, Resize &&resize)
{
    bool ok = true;
    try {
        resize();
    } catch (const std::exception &) {
        ok = false;
    }
    if (!ok) {
        info.err->msg_code = JERR_OUT_OF_MEMORY;
        info.err->error_exit(reinterpret_cast<j_common_ptr>(&info));
    }
}

} // namespace

jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &errors)
{
    jpeg_error_mgr *manager = jpeg_std_error(&errors.manager);
    manager->error_exit = JumpOnError;
    manager->emit_message = CountWarnings;
    return manager;
}

void ResizeOrJump(WorkingBitmap &out, int width, int height, jpeg_decompress_struct &info)
{
    OrJump(info, [&] { out.resizeToOverwrite(width, height); });
}

void ResizeRowsOrJump(WorkingBitmap &out, int width, int height, const std::vector<int> &rows,
    jpeg_decompress_struct &info)
{
    OrJump(info, [&] { out.resizeHoldingRows(width, height, rows); });
}

void ResizeOrJump(std::vector<std::uint8_t> &out, std::size_t size, jpeg_decompress_struct &info)
{
    OrJump(info, [&] { out.resize(size); });
}

} // namespace pixmaro
