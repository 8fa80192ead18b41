// The variable-length-code LZW compression of GIF image data.
#include "imaging/gif/Lzw.h"

#include <algorithm>

namespace pixmaro::gif {

LzwDecoder::LzwDecoder(int minCodeSize)
    : m_minCodeSize(minCodeSize)
    , m_clearCode(1 << minCodeSize)
    , m_codeSize(minCodeSize + 1)
    , m_next(m_clearCode + 2)
{
    for (int i = 0; i < m_clearCode; ++i)
        m_suffix[std::size_t(i)] = std::uint8_t(i);
}

bool LzwDecoder::step(int code, std::uint8_t *out, std::size_t &n)
{
    if (code == m_clearCode) {
        m_codeSize = m_minCodeSize + 1;
        m_next = m_clearCode + 2;
        m_previous = -1;
        // Some encoders clear every few codes to keep the codes short, but never twice without
        // an index between: a stream of clears that produces nothing would only burn time.
        return ++m_clears <= 16 + m_produced;
    }
    if (code == m_clearCode + 1)
        return false; // the end code
    if (m_previous < 0) {
        if (code >= m_clearCode)
            return false; // the first code after a clear must be a single index
        m_first = std::uint8_t(code);
        out[n++] = m_first;
        ++m_produced;
        m_previous = code;
        return true;
    }

    int depth = 0;
    int walk = code;
    if (code == m_next && m_next < kMaxLzwCodes) {
        // The string being defined: the previous string and its own first index.
        m_stack[std::size_t(depth++)] = m_first;
        walk = m_previous;
    } else if (code >= m_next) {
        return false; // corrupt data: a code the table does not hold
    }
    while (walk >= m_clearCode) {
        m_stack[std::size_t(depth++)] = m_suffix[std::size_t(walk)];
        walk = m_prefix[std::size_t(walk)];
    }
    m_stack[std::size_t(depth++)] = std::uint8_t(walk);
    m_first = std::uint8_t(walk);
    m_pending = depth;
    m_produced += std::uint64_t(depth);

    if (m_next < kMaxLzwCodes) {
        m_prefix[std::size_t(m_next)] = std::uint16_t(m_previous);
        m_suffix[std::size_t(m_next)] = m_first;
        ++m_next;
        // Wider codes once the table reaches the next power of two (with a minimum code size
        // of 1 the table starts there, and grows at 8, as browsers read such files).
        if ((m_next & ((1 << m_codeSize) - 1)) == 0 && m_codeSize < kMaxLzwBits)
            ++m_codeSize;
    }
    m_previous = code;
    return true;
}

std::vector<std::uint8_t> LzwDecode(
    const std::uint8_t *data, std::size_t size, int minCodeSize, std::size_t maxPixels)
{
    std::vector<std::uint8_t> out;
    if (minCodeSize < 1 || minCodeSize > 8)
        return out;
    LzwDecoder decoder(minCodeSize);
    std::size_t at = 0;
    const auto next = [&]() -> int { return at < size ? data[at++] : -1; };
    while (out.size() < maxPixels && !decoder.ended()) {
        const std::size_t chunk = std::min<std::size_t>(maxPixels - out.size(), 65536);
        const std::size_t before = out.size();
        out.resize(before + chunk);
        out.resize(before + decoder.decode(out.data() + before, chunk, next));
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
