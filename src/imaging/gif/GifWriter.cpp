// Writing GIF files, and the colour-map optimisation done before writing.
#include "imaging/gif/GifWriter.h"

#include "base/ByteWriter.h"
#include "imaging/gif/Lzw.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace pixmaro::gif {

namespace {

std::uint32_t ColorValue(const Rgb &c)
{
    return c.red | (c.green << 8) | (std::uint32_t(c.blue) << 16);
}
int ChannelSum(const Rgb &c)
{
    return c.red + c.green + c.blue;
}

int BitsFor(std::size_t colors)
{
    int bits = 1;
    while ((std::size_t(1) << bits) < colors)
        ++bits;
    return bits;
}

} // namespace

void OptimizeColorMap(GifFile &file)
{
    // Pixel counts per colour, over every table in use.
    std::map<std::uint32_t, std::uint64_t> counts;
    bool transparency = false;
    for (const Frame &frame : file.frames) {
        const ColorTable &table = frame.colors(file.globalColors);
        transparency = transparency || frame.transparentIndex >= 0;
        // Count by index first: one array increment per pixel, then one map update per entry.
        std::uint64_t perIndex[256] = {};
        for (std::size_t i = 0; i < frame.indexes.size(); ++i)
            ++perIndex[frame.indexes[i]];
        for (std::size_t index = 0; index < table.size() && index < 256; ++index) {
            std::uint64_t &count = counts[ColorValue(table[index])];
            if (int(index) != frame.transparentIndex)
                count += perIndex[index];
        }
    }

    // Most used first; the map already holds them by colour value, which orders equal counts.
    std::vector<std::pair<std::uint32_t, std::uint64_t>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(),
        [](const auto &a, const auto &b) { return a.second > b.second; });
    const std::size_t limit = transparency ? 255 : 256;
    ColorTable kept;
    for (const auto &[value, count] : sorted) {
        if (count == 0 || kept.size() == limit)
            break;
        kept.push_back(
            { std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16) });
    }

    std::map<std::uint32_t, std::uint8_t> newIndex;
    for (std::size_t i = 0; i < kept.size(); ++i)
        newIndex[ColorValue(kept[i])] = std::uint8_t(i);
    const auto indexOf = [&](const Rgb &c) -> std::uint8_t {
        if (const auto found = newIndex.find(ColorValue(c)); found != newIndex.end())
            return found->second;
        int best = 766, chosen = 0;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const int difference = std::abs(ChannelSum(kept[i]) - ChannelSum(c));
            if (difference < best) {
                best = difference;
                chosen = int(i);
            }
        }
        return std::uint8_t(chosen);
    };

    const int transparentIndex = transparency ? int(kept.size()) : -1;
    for (Frame &frame : file.frames) {
        const ColorTable &table = frame.colors(file.globalColors);
        std::vector<std::uint8_t> map(256, 0);
        for (std::size_t i = 0; i < table.size() && i < 256; ++i)
            map[i] = indexOf(table[i]);
        for (std::uint8_t &index : frame.indexes) {
            if (index == frame.transparentIndex)
                index = std::uint8_t(transparentIndex);
            else
                index = map[index];
        }
        if (frame.transparentIndex >= 0)
            frame.transparentIndex = transparentIndex;
        frame.localColors.clear();
    }
    if (transparency)
        kept.push_back({ 0, 0, 0 });
    file.globalColors = std::move(kept);
}

void AppendSubBlocks(QByteArray &out, const std::vector<std::uint8_t> &data)
{
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out.append(char(n));
        out.append(reinterpret_cast<const char *>(data.data() + at), qsizetype(n));
    }
    out.append('\0');
}

QByteArray EncodeGif87a(const GifFile &file)
{
    ByteWriter out(QByteArray("GIF87a"));
    const int bits = BitsFor(file.globalColors.size());
    out.u16(unsigned(file.screenWidth));
    out.u16(unsigned(file.screenHeight));
    out.u8(0x80 | ((bits - 1) << 4) | 0x08 | (bits - 1));
    out.u8(0); // background colour index
    out.u8(0); // pixel aspect ratio
    for (std::size_t i = 0; i < (std::size_t(1) << bits); ++i) {
        const Rgb c = i < file.globalColors.size() ? file.globalColors[i] : Rgb {};
        out.u8(c.red);
        out.u8(c.green);
        out.u8(c.blue);
    }
    QByteArray b = out.take();
    if (!file.frames.empty()) {
        const Frame &frame = file.frames.front();
        ByteWriter descriptor;
        descriptor.u8(',');
        descriptor.u16(0);
        descriptor.u16(0);
        descriptor.u16(unsigned(frame.width));
        descriptor.u16(unsigned(frame.height));
        descriptor.u8(0); // no local table, not interlaced
        const int codeSize = std::max(2, bits);
        descriptor.u8(unsigned(codeSize));
        b += descriptor.bytes();
        const std::vector<std::uint8_t> data
            = LzwEncode(frame.indexes.data(), frame.indexes.size(), codeSize);
        AppendSubBlocks(b, data);
    }
    b.append(';');
    return b;
}

} // namespace pixmaro::gif
