// The variable-length-code LZW compression of GIF image data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixmaro::gif {

constexpr int kMaxLzwBits = 12;
constexpr int kMaxLzwCodes = 1 << kMaxLzwBits;

/// Decodes GIF LZW data a piece at a time, so a caller can stop as soon as it has the pixels it
/// needs. Decoding ends at the end code, when the data runs out, at a code beyond the table, or
/// at a flood of clear codes that produce nothing (corrupt data, or a file made to waste time).
class LzwDecoder {
public:
    /// `minCodeSize` is 1 to 8 (1 is read as browsers read it: the table grows at 8, not 4).
    explicit LzwDecoder(int minCodeSize);

    /// Writes up to `count` indexes to `out`, pulling data bytes from `next`, a callable that
    /// returns the next byte or -1 when there are no more. Returns how many it wrote: fewer than
    /// `count` only when the data has ended.
    template <typename Next> std::size_t decode(std::uint8_t *out, std::size_t count, Next &&next)
    {
        std::size_t n = 0;
        while (n < count) {
            if (m_pending > 0) {
                out[n++] = m_stack[--m_pending];
                continue;
            }
            if (m_ended)
                break;
            while (m_bitCount < m_codeSize) {
                const int byte = next();
                if (byte < 0) {
                    m_ended = true;
                    return n;
                }
                m_bits |= std::uint32_t(byte) << m_bitCount;
                m_bitCount += 8;
            }
            const int code = int(m_bits & ((1u << m_codeSize) - 1));
            m_bits >>= m_codeSize;
            m_bitCount -= m_codeSize;
            if (!step(code, out, n))
                m_ended = true;
        }
        return n;
    }

    bool ended() const { return m_ended; }

private:
    // Acts on one code: a clear, the end, or a string pushed for output (its first index written
    // straight to out[n] when it is a single index). False when decoding must end.
    bool step(int code, std::uint8_t *out, std::size_t &n);

    int m_minCodeSize;
    int m_clearCode;
    int m_codeSize;
    int m_next;
    int m_previous = -1;
    std::uint8_t m_first = 0; // first index of the previous code's string
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
    bool m_ended = false;
    std::uint64_t m_produced = 0;
    std::uint64_t m_clears = 0;
    int m_pending = 0; // indexes of the current string still on the stack (top first)
    std::array<std::uint16_t, kMaxLzwCodes> m_prefix {};
    std::array<std::uint8_t, kMaxLzwCodes> m_suffix {};
    std::array<std::uint8_t, kMaxLzwCodes + 1> m_stack {};
};

/// Decodes LZW `data` (the image's sub-blocks joined) with the given minimum code size (1 to 8)
/// into at most `maxPixels` indexes. Decoding ends as LzwDecoder's does; what was decoded until
/// then is returned. Any other code size gives nothing.
std::vector<std::uint8_t> LzwDecode(
    const std::uint8_t *data, std::size_t size, int minCodeSize, std::size_t maxPixels);

/// Encodes `pixels` (each below 2^minCodeSize) as GIF LZW data: a clear code first, codes growing
/// to 12 bits, a clear code whenever the table is full, the end code last. `minCodeSize` is 2 to 8.
std::vector<std::uint8_t> LzwEncode(const std::uint8_t *pixels, std::size_t count, int minCodeSize);

} // namespace pixmaro::gif
