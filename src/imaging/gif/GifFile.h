// A GIF file's content: the logical screen, colour tables and frames of colour indexes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pixmaro::gif {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

using ColorTable = std::vector<Rgb>;

/// The colour of `index` in `table`: black beyond the table's end, and a grey level when the file
/// has no colour table at all.
inline Rgb ColorOf(const ColorTable &table, int index)
{
    if (table.empty())
        return { std::uint8_t(index), std::uint8_t(index), std::uint8_t(index) };
    return std::size_t(index) < table.size() ? table[std::size_t(index)] : Rgb {};
}

/// What happens to a frame's area before the next frame is drawn.
enum class Disposal { None = 0, Keep = 1, RestoreBackground = 2, RestorePrevious = 3 };

/// One image of the file, already clipped to the logical screen: `indexes` holds `width` × `height`
/// colour indexes, rows top to bottom (de-interlaced). Where the file's data ended early, a row's
/// pixels from `paintedColumns[row]` on were never given: they are not drawn.
struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indexes;
    std::vector<int> paintedColumns; // per row, how many leading pixels the data gave; empty: all
    ColorTable localColors; // empty: the global table applies
    int transparentIndex = -1;
    int delayCentiseconds = 0;
    Disposal disposal = Disposal::None;
    bool interlaced = false;

    const ColorTable &colors(const ColorTable &global) const
    {
        return localColors.empty() ? global : localColors;
    }
    bool isPainted(int x, int y) const
    {
        return paintedColumns.empty() || x < paintedColumns[std::size_t(y)];
    }
};

struct GifFile {
    int screenWidth = 0;
    int screenHeight = 0;
    ColorTable globalColors;
    int backgroundIndex = 0;
    std::vector<Frame> frames;
};

} // namespace pixmaro::gif
