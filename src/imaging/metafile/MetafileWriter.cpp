// Recording a raster as a metafile: an enhanced metafile, or a placeable Windows metafile.
#include "imaging/metafile/MetafileWriter.h"

#include "base/ByteWriter.h"
#include "imaging/metafile/EmfRecords.h"
#include "imaging/metafile/Metafile.h"
#include "imaging/metafile/WmfRecords.h"

#include <algorithm>

namespace pixmaro::metafile {

namespace {

// BITMAPINFOHEADER of a bottom-up 24-bit DIB, then its rows (the raster's rows reversed).
void AppendDib(ByteWriter &out, const WorkingBitmap &raster)
{
    out.u32(40);
    out.i32(raster.width());
    out.i32(raster.height());
    out.u16(1);
    out.u16(24);
    out.u32(0); // BI_RGB
    out.u32(std::uint32_t(raster.byteCount()));
    out.i32(3780); // 96 DPI in pixels per metre
    out.i32(3780);
    out.u32(0);
    out.u32(0);
    for (int y = raster.height() - 1; y >= 0; --y)
        out.append(raster.row(y), raster.stride());
}

const char16_t kDescription[]
    = u"Quorvant 2000\0\0\0"; // application, NUL, empty picture name, two NULs
constexpr int kDescriptionChars = 16;

} // namespace

int FrameHundredthsMm(int pixels)
{
    return MulDiv(pixels, kDeviceMillimetres * 100, kDevicePixels);
}

QByteArray RecordEmf(const WorkingBitmap &raster)
{
    const int w = raster.width(), h = raster.height();
    const bool drawn = w > 0 && h > 0;
    ByteWriter out;
    // EMR_HEADER with the pixel-format and micrometre extensions, then the description.
    const int headerSize = 108 + kDescriptionChars * 2;
    out.u32(EmrHeader);
    out.u32(std::uint32_t(headerSize));
    out.i32(0);
    out.i32(0);
    out.i32(w - 1);
    out.i32(h - 1);
    out.i32(0);
    out.i32(0);
    out.i32(FrameHundredthsMm(w));
    out.i32(FrameHundredthsMm(h));
    out.u32(kEmfSignature);
    out.u32(0x10000);
    out.u32(0); // total size, set below
    out.u32(drawn ? 3 : 2);
    out.u16(1); // handles: only the reserved index 0
    out.u16(0);
    out.u32(kDescriptionChars);
    out.u32(108);
    out.u32(0); // palette entries
    out.i32(kDevicePixels);
    out.i32(kDevicePixels);
    out.i32(kDeviceMillimetres);
    out.i32(kDeviceMillimetres);
    out.u32(0); // no pixel format
    out.u32(0);
    out.u32(0); // not OpenGL
    out.i32(kDeviceMillimetres * 1000);
    out.i32(kDeviceMillimetres * 1000);
    for (int i = 0; i < kDescriptionChars; ++i)
        out.u16(kDescription[i]);

    if (drawn) {
        // EMR_STRETCHDIBITS drawing the whole raster 1:1.
        const std::uint32_t bits = std::uint32_t(raster.byteCount());
        out.u32(EmrStretchDiBits);
        out.u32(80 + 40 + bits);
        out.i32(0);
        out.i32(0);
        out.i32(w - 1);
        out.i32(h - 1);
        out.i32(0); // destination x, y
        out.i32(0);
        out.i32(0); // source x, y, width, height
        out.i32(0);
        out.i32(w);
        out.i32(h);
        out.u32(80); // BITMAPINFO offset and size
        out.u32(40);
        out.u32(120); // bits offset and size
        out.u32(bits);
        out.u32(0); // DIB_RGB_COLORS
        out.u32(0x00CC0020); // SRCCOPY
        out.i32(w);
        out.i32(h);
        AppendDib(out, raster);
    }

    out.u32(EmrEof);
    out.u32(20);
    out.u32(0);
    out.u32(16);
    out.u32(20);
    out.setU32At(48, std::uint32_t(out.size()));
    return out.take();
}

QByteArray RecordWmf(const WorkingBitmap &raster)
{
    const int w = raster.width(), h = raster.height();
    ByteWriter out;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    const int box[4]
        = { 0, 0, MulDiv(FrameHundredthsMm(w), 96, 2540), MulDiv(FrameHundredthsMm(h), 96, 2540) };
    out.u32(kPlaceableKey);
    out.u16(0);
    for (int v : box)
        out.u16(v);
    out.u16(96);
    out.u32(0);
    int checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= std::uint8_t(out.bytes()[2 * i]) | (std::uint8_t(out.bytes()[2 * i + 1]) << 8);
    out.u16(checksum);

    ByteWriter records;
    std::uint32_t largest = 3;
    const auto record = [&](int function, std::initializer_list<int> words) {
        records.u32(std::uint32_t(3 + words.size()));
        records.u16(function);
        for (int v : words)
            records.u16(v);
        largest = std::max<std::uint32_t>(largest, std::uint32_t(3 + words.size()));
    };
    record(MetaSetWindowOrg, { 0, 0 }); // y, x
    record(MetaSetWindowExt, { h, w }); // y, x
    if (w > 0 && h > 0) {
        ByteWriter dib;
        AppendDib(dib, raster);
        const std::uint32_t words = std::uint32_t((28 + dib.size() + 1) / 2);
        records.u32(words);
        records.u16(MetaStretchDib);
        records.u32(0x00CC0020);
        records.u16(0); // DIB_RGB_COLORS
        for (int v : { h, w, 0, 0, h, w, 0, 0 }) // source h, w, y, x; destination h, w, y, x
            records.u16(v);
        records.append(dib.bytes());
        if (dib.size() % 2)
            records.u8(0);
        largest = std::max(largest, words);
    }
    record(MetaEof, {});

    const std::uint32_t totalWords = std::uint32_t(9 + records.size() / 2);
    out.u16(1); // in memory
    out.u16(9);
    out.u16(0x0300);
    out.u32(totalWords);
    out.u16(0); // objects
    out.u32(largest);
    out.u16(0);
    out.append(records.bytes());
    return out.take();
}

} // namespace pixmaro::metafile
