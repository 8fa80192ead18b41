// JPEG files made with libjpeg itself for the tests: any colour space, sampling or scan script.
#pragma once

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <jpeglib.h>
#include <vector>

namespace pixmaro::test {

/// A `width` × `height` JPEG of `components` samples per pixel in `space`, at `quality`.
/// `setup` may change the compression parameters after the defaults (sampling, restarts, scans);
/// `row(y, samples)` fills row y.
inline QByteArray CompressJpeg(int width, int height, int components, J_COLOR_SPACE space,
    int quality, const std::function<void(jpeg_compress_struct &)> &setup,
    const std::function<void(int y, std::vector<JSAMPLE> &samples)> &row)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (setup)
        setup(info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> samples(std::size_t(width) * std::size_t(components));
    for (int y = 0; y < height; ++y) {
        row(y, samples);
        JSAMPROW p = samples.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace pixmaro::test
