// Floyd-Steinberg dithering of grey rows to a number of evenly spaced grey levels.
#pragma once

#include <cstdint>
#include <vector>

namespace pixmaro {

/// Reduces the rows of one grey picture, top to bottom, to `levels` evenly spaced grey levels
/// (level j is (j × 255 + (levels − 1) / 2) / (levels − 1)) with Floyd-Steinberg dithering on a
/// serpentine path: even rows left to right, odd rows right to left, the error in sixteenths
/// rounded down after adding 8. Each value goes to its nearest level. The result is the one
/// libjpeg's one-pass quantiser gives a grey picture (its colour map written out as grey).
///
/// With at least 129 levels no level is more than 2 from the next, so a pixel's error is −1, 0
/// or 1. The error carried along a row is then one of three states, and each pixel is a lookup
/// of the next state given the previous one: the dependency from pixel to pixel is a shift and a
/// mask instead of libjpeg's chain of three table lookups.
class GreyDither {
public:
    /// `width` ≥ 1 pixels per row, 129 ≤ `levels` ≤ 256 (std::invalid_argument otherwise).
    GreyDither(int width, int levels);

    /// Dithers the next row (`width` bytes) in place: every byte becomes its grey level.
    void apply(std::uint8_t *row);

    /// The tables cover every sum a pixel can see: 16 × its value, plus 8, plus the error from
    /// the row above (−9 .. 9), plus 7 × the error carried along the row (−7 .. 7).
    static constexpr int kLowestSum = -32;
    static constexpr int kHighestSum = 16 * 255 + 32;

private:
    int m_width;
    bool m_oddRow = false;
    // By sum − kLowestSum: the grey level of sum / 16, and for each error carried in (−1, 0, 1,
    // in 4-bit fields at bits 0, 4 and 8) the field position (0, 4 or 8) of the error it leaves.
    std::vector<std::uint8_t> m_level;
    std::vector<std::uint16_t> m_next;
    std::vector<std::int16_t> m_errors; // the next row's error sums, one spare entry at each end
};

} // namespace pixmaro
