// Reading GIF files (87a and 89a): header, colour tables, extensions and LZW image data.
#include "imaging/gif/GifDecoder.h"

#include "imaging/WorkingBitmap.h"
#include "imaging/gif/Lzw.h"

#include <algorithm>

namespace pixmaro::gif {

namespace {

class Reader {
public:
    Reader(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool has(std::size_t n) const { return m_size - m_at >= n; }
    std::uint8_t byte() { return m_data[m_at++]; }
    int u16()
    {
        const int v = m_data[m_at] | (m_data[m_at + 1] << 8);
        m_at += 2;
        return v;
    }
    const std::uint8_t *here() const { return m_data + m_at; }
    void skip(std::size_t n) { m_at += n; }

    bool readColors(int count, ColorTable &table)
    {
        if (!has(std::size_t(count) * 3))
            return false;
        table.resize(std::size_t(count));
        for (Rgb &c : table) {
            c.red = byte();
            c.green = byte();
            c.blue = byte();
        }
        return true;
    }

    // Joins data sub-blocks up to the terminator; false when the data ends first.
    bool subBlocks(std::vector<std::uint8_t> *joined)
    {
        while (has(1)) {
            const std::size_t length = byte();
            if (length == 0)
                return true;
            const std::size_t take = std::min(length, m_size - m_at);
            if (joined)
                joined->insert(joined->end(), here(), here() + take);
            skip(take);
            if (take < length)
                return false;
        }
        return false;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
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

// Reads one image descriptor and its data into `frame`, clipped to the screen. Returns false
// when the descriptor itself is cut off.
bool ReadImage(Reader &in, const GifFile &file, const Control &control, Frame &frame)
{
    if (!in.has(9))
        return false;
    const int left = in.u16(), top = in.u16(), width = in.u16(), height = in.u16();
    const int flags = in.byte();
    if (flags & 0x80) {
        if (!in.readColors(2 << (flags & 7), frame.localColors))
            return false;
    }
    frame.interlaced = (flags & 0x40) != 0;
    frame.transparentIndex = control.transparentIndex;
    frame.delayCentiseconds = control.delay;
    frame.disposal = control.disposal;

    frame.left = std::min(left, file.screenWidth);
    frame.top = std::min(top, file.screenHeight);
    frame.width = std::max(0, std::min(left + width, file.screenWidth) - frame.left);
    frame.height = std::max(0, std::min(top + height, file.screenHeight) - frame.top);

    if (!in.has(1))
        return false;
    const int minCodeSize = in.byte();
    std::vector<std::uint8_t> data;
    in.subBlocks(&data);

    const std::size_t total = std::size_t(width) * std::size_t(height);
    const std::vector<std::uint8_t> pixels
        = LzwDecode(data.data(), data.size(), minCodeSize, total);

    frame.indexes.assign(std::size_t(frame.width) * std::size_t(frame.height), 0);
    if (pixels.size() < total)
        frame.painted.assign(frame.indexes.size(), 0);
    if (frame.width == 0 || frame.height == 0)
        return true;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int dataRow = int(i / std::size_t(width));
        const int column = int(i % std::size_t(width));
        const int row = frame.interlaced ? InterlacedRow(dataRow, height) : dataRow;
        const int x = left + column - frame.left, y = top + row - frame.top;
        if (x < 0 || y < 0 || x >= frame.width || y >= frame.height)
            continue;
        const std::size_t at = std::size_t(y) * std::size_t(frame.width) + std::size_t(x);
        frame.indexes[at] = pixels[i];
        if (!frame.painted.empty())
            frame.painted[at] = 1;
    }
    return true;
}

} // namespace

bool DecodeGif(const std::uint8_t *data, std::size_t size, GifFile &file, bool firstFrameOnly)
{
    file = GifFile();
    Reader in(data, size);
    if (!in.has(13))
        return false;
    const std::uint8_t *signature = in.here();
    if (signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' || signature[3] != '8'
        || (signature[4] != '7' && signature[4] != '9') || signature[5] != 'a')
        return false;
    in.skip(6);
    file.screenWidth = in.u16();
    file.screenHeight = in.u16();
    const int flags = in.byte();
    file.backgroundIndex = in.byte();
    in.skip(1); // pixel aspect ratio
    if (file.screenWidth == 0 || file.screenHeight == 0
        || !SizeAllowed(file.screenWidth, file.screenHeight))
        return false;
    if ((flags & 0x80) && !in.readColors(2 << (flags & 7), file.globalColors))
        return false;

    Control control;
    while (in.has(1)) {
        const int introducer = in.byte();
        if (introducer == 0x3B) // trailer
            break;
        if (introducer == 0x21) {
            if (!in.has(1))
                break;
            const int label = in.byte();
            if (label == 0xF9 && in.has(6) && in.here()[0] >= 4) {
                const std::uint8_t *block = in.here() + 1;
                const int disposal = (block[0] >> 2) & 7;
                control.disposal = disposal <= 3 ? Disposal(disposal) : Disposal::None;
                control.delay = block[1] | (block[2] << 8);
                control.transparentIndex = (block[0] & 1) ? block[3] : -1;
            }
            if (!in.subBlocks(nullptr))
                break;
            continue;
        }
        if (introducer != 0x2C)
            break; // not a block a GIF may hold: the rest is damaged
        Frame frame;
        if (!ReadImage(in, file, control, frame))
            break;
        file.frames.push_back(std::move(frame));
        control = Control();
        if (firstFrameOnly)
            break;
    }
    return !file.frames.empty();
}

} // namespace pixmaro::gif
