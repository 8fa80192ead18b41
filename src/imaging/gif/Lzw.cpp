// The variable-length-code LZW compression of GIF image data.
#include "imaging/gif/Lzw.h"

#include <algorithm>
#include <array>

namespace pixmaro::gif {

std::vector<std::uint8_t> LzwDecode(
    const std::uint8_t *data, std::size_t size, int minCodeSize, std::size_t maxPixels)
{
    std::vector<std::uint8_t> out;
    if (minCodeSize < 1 || minCodeSize > 8)
        return out;
    out.reserve(std::min<std::size_t>(maxPixels, size * 4 + 1024));

    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    std::array<std::uint16_t, kMaxLzwCodes> prefix {};
    std::array<std::uint8_t, kMaxLzwCodes> suffix {};
    std::array<std::uint8_t, kMaxLzwCodes> stack {};
    for (int i = 0; i < clearCode; ++i)
        suffix[i] = std::uint8_t(i);

    int codeSize = minCodeSize + 1;
    int next = clearCode + 2;
    int previous = -1;
    std::uint8_t first = 0; // first index of the previous code's string

    std::uint32_t bits = 0;
    int bitCount = 0;
    std::size_t at = 0;
    while (out.size() < maxPixels) {
        while (bitCount < codeSize && at < size) {
            bits |= std::uint32_t(data[at++]) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize)
            break; // the data ran out
        const int code = int(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;

        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            next = clearCode + 2;
            previous = -1;
            continue;
        }
        if (code == endCode)
            break;
        if (previous < 0) {
            if (code >= clearCode)
                break; // the first code after a clear must be a single index
            first = std::uint8_t(code);
            out.push_back(first);
            previous = code;
            continue;
        }

        int depth = 0;
        int walk = code;
        if (code == next && next < kMaxLzwCodes) {
            // The string being defined: the previous string and its own first index.
            stack[depth++] = first;
            walk = previous;
        } else if (code >= next) {
            break; // corrupt data: a code the table does not hold
        }
        while (walk >= clearCode) {
            stack[depth++] = suffix[walk];
            walk = prefix[walk];
        }
        stack[depth++] = std::uint8_t(walk);
        first = std::uint8_t(walk);
        const std::size_t room = maxPixels - out.size();
        for (int i = depth - 1; i >= 0 && std::size_t(depth - 1 - i) < room; --i)
            out.push_back(stack[i]);

        if (next < kMaxLzwCodes) {
            prefix[next] = std::uint16_t(previous);
            suffix[next] = first;
            ++next;
            // Wider codes once the table reaches the next power of two (with a minimum code size
            // of 1 the table starts there, and grows at 8, as browsers read such files).
            if ((next & ((1 << codeSize) - 1)) == 0 && codeSize < kMaxLzwBits)
                ++codeSize;
        }
        previous = code;
    }
    return out;
}

namespace {

// Packs codes of varying width, lowest bit first.
class CodeWriter {
public:
    explicit CodeWriter(std::vector<std::uint8_t> &out)
        : m_out(out)
    {
    }
    void write(int code, int width)
    {
        m_bits |= std::uint32_t(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_out.push_back(std::uint8_t(m_bits));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    void flush()
    {
        if (m_count > 0)
            m_out.push_back(std::uint8_t(m_bits));
        m_bits = 0;
        m_count = 0;
    }

private:
    std::vector<std::uint8_t> &m_out;
    std::uint32_t m_bits = 0;
    int m_count = 0;
};

// Open addressing over (prefix code, index) pairs; twice the table size keeps probes short.
constexpr int kHashBits = 13;
constexpr int kHashSize = 1 << kHashBits;

} // namespace

std::vector<std::uint8_t> LzwEncode(const std::uint8_t *pixels, std::size_t count, int minCodeSize)
{
    std::vector<std::uint8_t> out;
    out.reserve(count / 2 + 16);
    CodeWriter writer(out);
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;

    std::vector<std::int32_t> keys(kHashSize, -1);
    std::vector<std::uint16_t> codes(kHashSize, 0);
    int codeSize = minCodeSize + 1;
    int maxCode = (1 << codeSize) - 1;
    int next = clearCode + 2;

    // Writes a code; the width grows once the table holds a code the current width cannot carry.
    const auto output = [&](int code) {
        writer.write(code, codeSize);
        if (next > maxCode && codeSize < kMaxLzwBits) {
            ++codeSize;
            maxCode = codeSize == kMaxLzwBits ? kMaxLzwCodes : (1 << codeSize) - 1;
        }
    };
    const auto clearTable = [&] {
        writer.write(clearCode, codeSize);
        std::fill(keys.begin(), keys.end(), -1);
        next = clearCode + 2;
        codeSize = minCodeSize + 1;
        maxCode = (1 << codeSize) - 1;
    };

    writer.write(clearCode, codeSize);
    if (count == 0) {
        writer.write(endCode, codeSize);
        writer.flush();
        return out;
    }
    int current = pixels[0];
    for (std::size_t i = 1; i < count; ++i) {
        const int index = pixels[i];
        const std::int32_t key = (current << 8) | index;
        int slot = int((std::uint32_t(key) * 2654435761u) >> (32 - kHashBits));
        while (keys[slot] != -1 && keys[slot] != key)
            slot = (slot + 1) & (kHashSize - 1);
        if (keys[slot] == key) {
            current = codes[slot];
            continue;
        }
        output(current);
        current = index;
        if (next < kMaxLzwCodes) {
            keys[slot] = key;
            codes[slot] = std::uint16_t(next++);
        } else {
            clearTable();
        }
    }
    output(current);
    writer.write(endCode, codeSize);
    writer.flush();
    return out;
}

} // namespace pixmaro::gif
