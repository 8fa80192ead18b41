// JPEG decoding with libjpeg into the working raster.
#include "imaging/JpegDecoder.h"

#include "imaging/JpegErrors.h"

#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>

namespace pixmaro {

namespace {

void StopAfterTooManyScans(j_common_ptr common)
{
    auto *info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > kMaxJpegScans) {
        common->err->msg_code = JERR_NOT_COMPILED; // any code: the decode ends here
        common->err->error_exit(common);
    }
}

// One pixel of a four-channel JPEG to red, green and blue. Adobe files store the inks inverted
// (0 is full ink); others store them plainly.
inline void CmykToBgr(const JSAMPLE *in, std::uint8_t *out, bool inverted)
{
    unsigned c = in[0], m = in[1], y = in[2], k = in[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    out[0] = std::uint8_t((y * k + 127) / 255);
    out[1] = std::uint8_t((m * k + 127) / 255);
    out[2] = std::uint8_t((c * k + 127) / 255);
}

void ConvertRow(const jpeg_decompress_struct &info, const JSAMPLE *in, std::uint8_t *out)
{
    const int width = int(info.output_width);
    if (info.out_color_space == JCS_CMYK) {
        for (int x = 0; x < width; ++x)
            CmykToBgr(in + 4 * x, out + 3 * x, info.saw_Adobe_marker);
    } else { // quantised grey: every colour-map entry is a grey level
        const JSAMPLE *levels = info.colormap[0];
        for (int x = 0; x < width; ++x)
            std::memset(out + 3 * x, levels[in[x]], 3);
    }
}

// Holds only plain locals: the error handler jumps back here past every frame in between.
bool Decode(const std::uint8_t *data, std::size_t size, WorkingBitmap &out)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    jpeg_progress_mgr progress;
    info.err = InstallJpegErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (!SizeAllowed(info.image_width, info.image_height) || info.image_width == 0
        || info.image_height == 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    info.scale_num = 1;
    info.scale_denom = 1;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    const bool fourChannels
        = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (info.num_components == 1) {
        info.out_color_space = JCS_GRAYSCALE;
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = 236;
        info.dither_mode = JDITHER_FS;
    } else if (fourChannels) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space = JCS_EXT_BGR;
    }
    progress.progress_monitor = StopAfterTooManyScans;
    info.progress = &progress;

    jpeg_start_decompress(&info);
    if (!ResizeOrJump(out, int(info.output_width), int(info.output_height), info))
        return false;

    const bool direct = info.out_color_space == JCS_EXT_BGR;
    JSAMPARRAY buffer = direct ? nullptr
                               : info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info),
                                   JPOOL_IMAGE, info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        if (direct) {
            JSAMPROW row = out.row(y);
            jpeg_read_scanlines(&info, &row, 1);
        } else {
            jpeg_read_scanlines(&info, buffer, 1);
            ConvertRow(info, buffer[0], out.row(y));
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool Quantize(
    const std::uint8_t *data, std::size_t size, int colors, QuantizedImage &out, int *errorCode)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = InstallJpegErrorManager(errors);
    if (setjmp(errors.jump)) {
        if (errorCode)
            *errorCode = errors.code;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (!SizeAllowed(info.image_width, info.image_height)) {
        info.err->msg_code = JERR_IMAGE_TOO_BIG;
        info.err->error_exit(reinterpret_cast<j_common_ptr>(&info));
    }
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    info.out_color_space = JCS_RGB;
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = colors;
    info.two_pass_quantize = TRUE;
    info.dither_mode = JDITHER_FS;
    jpeg_start_decompress(&info);

    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.indexes.resize(std::size_t(out.width) * std::size_t(out.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row
            = out.indexes.data() + std::size_t(info.output_scanline) * std::size_t(out.width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    // The colour map is complete once the output pass is done.
    out.colors.resize(std::size_t(info.actual_number_of_colors));
    for (int i = 0; i < info.actual_number_of_colors; ++i) {
        for (int c = 0; c < 3; ++c)
            out.colors[std::size_t(i)][std::size_t(c)]
                = info.out_color_components == 3 ? info.colormap[c][i] : info.colormap[0][i];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool DecodeJpegQuantized(
    const std::uint8_t *data, std::size_t size, int colors, QuantizedImage &out, int *errorCode)
{
    try {
        return Quantize(data, size, colors, out, errorCode);
    } catch (const std::bad_alloc &) {
        return false;
    }
}

bool DecodeJpeg(const std::uint8_t *data, std::size_t size, WorkingBitmap &out)
{
    if (!Decode(data, size, out)) {
        out.resize(0, 0);
        return false;
    }
    return true;
}

} // namespace pixmaro
