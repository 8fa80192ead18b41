// Reading GIF files (87a and 89a): header, colour tables, extensions and LZW image data.
#include "imaging/gif/GifDecoder.h"

#include "base/ByteReader.h"
#include "base/Cancel.h"
#include "imaging/gif/Lzw.h"

#include <algorithm>
#include <cstring>

namespace pixmaro::gif {

namespace {

constexpr int kExtension = 0x21;
constexpr int kImage = 0x2C;
constexpr int kGraphicControl = 0xF9;

// The work spent on one file, and the cancel flag that ends it early.
struct Budget {
    const std::atomic<bool> *cancel = nullptr;
    std::uint64_t work = 0;

    bool spend(std::uint64_t units)
    {
        work += units;
        return work <= kMaxGifWork && !Cancelled(cancel);
    }
};

// The data sub-blocks of one image or extension, read as one stream of bytes.
class SubBlocks {
public:
    SubBlocks(ByteReader &in, Budget &budget)
        : m_in(in)
        , m_budget(budget)
    {
    }

    // The next byte, or -1 at the terminator or the end of the data.
    int next()
    {
        while (m_left == 0) {
            if (m_done || !m_in.has(1)) {
                m_done = true;
                return -1;
            }
            m_left = m_in.u8();
            m_budget.work += m_left + 1;
            if (m_left == 0) {
                m_done = true;
                m_terminated = true;
                return -1;
            }
        }
        if (!m_in.has(1)) {
            m_done = true;
            return -1;
        }
        --m_left;
        return m_in.u8();
    }

    // Passes over the rest, up to and including the terminator. False when the data ends first
    // or the file's work runs out.
    bool skipRest()
    {
        while (!m_done) {
            if (m_left > 0) {
                const std::size_t take = std::min(m_left, m_in.remaining());
                m_in.skip(take);
                if (take < m_left)
                    return false;
                m_left = 0;
            }
            if (!m_in.has(1))
                return false;
            m_left = m_in.u8();
            if (m_left == 0)
                return true;
            if (!m_budget.spend(m_left + 1))
                return false;
        }
        return m_terminated;
    }

private:
    ByteReader &m_in;
    Budget &m_budget;
    std::size_t m_left = 0;
    bool m_done = false;
    bool m_terminated = false;
};

// Row of the image for the n-th row of interlaced data: every 8th row from 0, every 8th from
// 4, every 4th from 2, every 2nd from 1.
int InterlacedRow(int n, int height)
{
    const int passStarts[4] = { 0, 4, 2, 1 };
    const int passSteps[4] = { 8, 8, 4, 2 };
    for (int pass = 0; pass < 4; ++pass) {
        const int rows = height > passStarts[pass]
            ? (height - passStarts[pass] + passSteps[pass] - 1) / passSteps[pass]
            : 0;
        if (n < rows)
            return passStarts[pass] + n * passSteps[pass];
        n -= rows;
    }
    return -1;
}

struct Control {
    int transparentIndex = -1;
    int delay = 0;
    Disposal disposal = Disposal::None;
};

bool ReadColors(ByteReader &in, int count, ColorTable &table)
{
    const std::uint8_t *bytes = in.bytes(std::size_t(count) * 3);
    if (!bytes)
        return false;
    table.resize(std::size_t(count));
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = { bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2] };
    return true;
}

// Reads the signature and logical screen; false when there is no screen to draw on.
bool ReadScreen(ByteReader &in, GifFile &file)
{
    if (!in.has(13))
        return false;
    const std::uint8_t *signature = in.bytes(6);
    if (signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' || signature[3] != '8'
        || (signature[4] != '7' && signature[4] != '9') || signature[5] != 'a')
        return false;
    file.screenWidth = in.u16();
    file.screenHeight = in.u16();
    const int flags = in.u8();
    file.backgroundIndex = in.u8();
    in.skip(1); // pixel aspect ratio
    if (file.screenWidth == 0 || file.screenHeight == 0
        || !SizeAllowed(file.screenWidth, file.screenHeight))
        return false;
    return !(flags & 0x80) || ReadColors(in, 2 << (flags & 7), file.globalColors);
}

// Reads blocks up to the next image descriptor, keeping what a graphic control extension says.
// False at the trailer, at damage, or when the data or the file's work runs out.
bool NextImage(ByteReader &in, Control &control, Budget &budget)
{
    while (in.has(1)) {
        const int introducer = in.u8();
        if (introducer != kExtension)
            return introducer == kImage; // the trailer, or damage: nothing more to read
        if (!in.has(1))
            return false;
        const int label = in.u8();
        if (label == kGraphicControl && in.has(6) && in.u8At(in.position()) >= 4) {
            const std::size_t at = in.position() + 1;
            const int packed = in.u8At(at);
            const int disposal = (packed >> 2) & 7;
            control.disposal = disposal <= 3 ? Disposal(disposal) : Disposal::None;
            control.delay = in.u16At(at + 1);
            control.transparentIndex = (packed & 1) ? in.u8At(at + 3) : -1;
        }
        if (!SubBlocks(in, budget).skipRest())
            return false;
    }
    return false;
}

struct Descriptor {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    ColorTable localColors;
    int minCodeSize = 0;
};

enum class ImageRead { Ok, CutOff, Unreadable };

// Reads an image descriptor, its colour table and its LZW code size. An image larger than a
// picture may be, or a code size no encoder writes, makes the file unreadable.
ImageRead ReadDescriptor(ByteReader &in, Descriptor &d)
{
    if (!in.has(9))
        return ImageRead::CutOff;
    d.left = in.u16();
    d.top = in.u16();
    d.width = in.u16();
    d.height = in.u16();
    const int flags = in.u8();
    if ((flags & 0x80) && !ReadColors(in, 2 << (flags & 7), d.localColors))
        return ImageRead::CutOff;
    d.interlaced = (flags & 0x40) != 0;
    if (!in.has(1))
        return ImageRead::CutOff;
    d.minCodeSize = in.u8();
    if (d.minCodeSize < 1 || d.minCodeSize > 8 || !SizeAllowed(d.width, d.height))
        return ImageRead::Unreadable;
    return ImageRead::Ok;
}

// The part of an image that shows on the screen: its top-left corner and size there.
struct Visible {
    int left, top, width, height;
};

Visible VisiblePart(const Descriptor &d, int screenWidth, int screenHeight)
{
    Visible v;
    v.left = std::min(d.left, screenWidth);
    v.top = std::min(d.top, screenHeight);
    v.width = std::max(0, std::min(d.left + d.width, screenWidth) - v.left);
    v.height = std::max(0, std::min(d.top + d.height, screenHeight) - v.top);
    return v;
}

// Decodes an image's data row by row, handing each visible row to `row(y, indexes, count)`
// (`count` leading pixels given, the rest cut off by the screen's right edge or by the end of
// the data). Decoding stops once every visible row has been given: the data beyond can only
// paint outside the screen. The reader is left after the image's data.
template <typename Row>
bool DecodeRows(
    ByteReader &in, const Descriptor &d, const Visible &visible, Budget &budget, Row row)
{
    SubBlocks blocks(in, budget);
    if (visible.width > 0 && visible.height > 0) {
        LzwDecoder decoder(d.minCodeSize);
        std::vector<std::uint8_t> indexes(std::size_t(d.width));
        int rowsLeft = visible.height;
        for (int n = 0; n < d.height && rowsLeft > 0; ++n) {
            if (!budget.spend(std::uint64_t(d.width)))
                return false;
            const int y = d.interlaced ? InterlacedRow(n, d.height) : n;
            const std::size_t got
                = decoder.decode(indexes.data(), indexes.size(), [&] { return blocks.next(); });
            if (y < visible.height) {
                row(y, indexes.data(), int(std::min<std::size_t>(got, std::size_t(visible.width))));
                --rowsLeft;
            }
            if (got < indexes.size())
                break;
        }
    }
    blocks.skipRest(); // data cut short simply ends the file after this image
    return budget.spend(0);
}

} // namespace

bool DecodeGif(const std::uint8_t *data, std::size_t size, GifFile &file, bool firstFrameOnly,
    const std::atomic<bool> *cancel)
{
    file = GifFile();
    ByteReader in(data, size);
    Budget budget { cancel };
    if (!ReadScreen(in, file)) {
        file = GifFile();
        return false;
    }
    Control control;
    std::uint64_t held = 0;
    while (NextImage(in, control, budget)) {
        Descriptor d;
        const ImageRead read = ReadDescriptor(in, d);
        if (read == ImageRead::CutOff)
            break;
        const Visible visible = VisiblePart(d, file.screenWidth, file.screenHeight);
        held += std::uint64_t(visible.width) * std::uint64_t(visible.height);
        if (read == ImageRead::Unreadable || held > std::uint64_t(kMaxPixels)) {
            file = GifFile();
            return false;
        }
        Frame frame;
        frame.left = visible.left;
        frame.top = visible.top;
        frame.width = visible.width;
        frame.height = visible.height;
        frame.localColors = std::move(d.localColors);
        frame.interlaced = d.interlaced;
        frame.transparentIndex = control.transparentIndex;
        frame.delayCentiseconds = control.delay;
        frame.disposal = control.disposal;
        frame.indexes.assign(std::size_t(frame.width) * std::size_t(frame.height), 0);
        frame.paintedColumns.assign(std::size_t(frame.height), 0);
        const bool decoded = DecodeRows(
            in, d, visible, budget, [&](int y, const std::uint8_t *indexes, int count) {
                std::memcpy(frame.indexes.data() + std::size_t(y) * std::size_t(frame.width),
                    indexes, std::size_t(count));
                frame.paintedColumns[std::size_t(y)] = count;
            });
        if (!decoded) {
            file = GifFile();
            return false;
        }
        if (std::all_of(frame.paintedColumns.begin(), frame.paintedColumns.end(),
                [&](int count) { return count == frame.width; }))
            frame.paintedColumns.clear();
        file.frames.push_back(std::move(frame));
        control = Control();
        if (firstFrameOnly)
            break;
    }
    if (file.frames.empty()) {
        file = GifFile();
        return false;
    }
    return true;
}

bool DecodeFirstFrameOnWhite(
    const std::uint8_t *data, std::size_t size, WorkingBitmap &out, const std::atomic<bool> *cancel)
{
    ByteReader in(data, size);
    Budget budget { cancel };
    GifFile file;
    Control control;
    Descriptor d;
    if (!ReadScreen(in, file) || !NextImage(in, control, budget)
        || ReadDescriptor(in, d) != ImageRead::Ok)
        return false;
    out.resizeToOverwrite(file.screenWidth, file.screenHeight);
    out.fill(255, 255, 255);

    // Each index's colour, blue-green-red as the raster stores it.
    const ColorTable &table = d.localColors.empty() ? file.globalColors : d.localColors;
    std::uint8_t colors[256][3];
    for (int i = 0; i < 256; ++i) {
        const Rgb c = ColorOf(table, i);
        colors[i][0] = c.blue;
        colors[i][1] = c.green;
        colors[i][2] = c.red;
    }
    const Visible visible = VisiblePart(d, file.screenWidth, file.screenHeight);
    return DecodeRows(in, d, visible, budget, [&](int y, const std::uint8_t *indexes, int count) {
        std::uint8_t *p = out.row(visible.top + y) + 3 * std::size_t(visible.left);
        for (int x = 0; x < count; ++x, p += 3) {
            if (indexes[x] != control.transparentIndex)
                std::memcpy(p, colors[indexes[x]], 3);
        }
    });
}

} // namespace pixmaro::gif
