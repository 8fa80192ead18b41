// Checked little-endian reading of untrusted bytes: a read past the end gives 0 and marks the
// reader as failed, so a decoder tests once, after a group of reads, instead of before each one.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace pixmaro {

/// A view of bytes it does not own, read either in sequence (u16(), u32(), ...) or at offsets
/// from its start (u16At(), u32At(), ...). Every read is checked against the bytes there are: a
/// read that does not fit returns 0 (or nullptr) and sets the sticky failure that ok() reports;
/// a failed sequential read does not move the position.
class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(data ? size : 0)
    {
    }
    /// A view of `bytes`, which must outlive the reader.
    explicit ByteReader(const QByteArray &bytes)
        : ByteReader(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()))
    {
    }

    const std::uint8_t *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    /// False once any read did not fit.
    bool ok() const { return m_ok; }

    /// Whether `length` bytes start at `offset` (no overflow for any values).
    bool has(std::size_t offset, std::size_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }

    // ---- At offsets from the start (the position does not move) ----
    const std::uint8_t *bytesAt(std::size_t offset, std::size_t length) const
    {
        if (!has(offset, length)) {
            m_ok = false;
            return nullptr;
        }
        return m_data + offset;
    }
    std::uint8_t u8At(std::size_t offset) const
    {
        const std::uint8_t *p = bytesAt(offset, 1);
        return p ? p[0] : 0;
    }
    std::uint16_t u16At(std::size_t offset) const
    {
        const std::uint8_t *p = bytesAt(offset, 2);
        return p ? std::uint16_t(p[0] | (p[1] << 8)) : 0;
    }
    std::uint32_t u32At(std::size_t offset) const
    {
        const std::uint8_t *p = bytesAt(offset, 4);
        return p ? p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24) : 0;
    }
    std::int16_t i16At(std::size_t offset) const { return std::int16_t(u16At(offset)); }
    std::int32_t i32At(std::size_t offset) const { return std::int32_t(u32At(offset)); }
    /// A 32-bit float; a value that is not finite reads as 0.
    float f32At(std::size_t offset) const;
    /// The `length` bytes at `offset` as a reader of their own (empty, and this reader failed,
    /// when they do not fit).
    ByteReader viewAt(std::size_t offset, std::size_t length) const
    {
        const std::uint8_t *p = bytesAt(offset, length);
        return p ? ByteReader(p, length) : ByteReader();
    }

    // ---- In sequence ----
    std::size_t position() const { return m_at; }
    std::size_t remaining() const { return m_size - m_at; }
    bool has(std::size_t length) const { return length <= m_size - m_at; }
    /// Moves to `offset`; beyond the end fails and moves to the end.
    void seek(std::size_t offset)
    {
        if (offset > m_size) {
            m_ok = false;
            offset = m_size;
        }
        m_at = offset;
    }
    void skip(std::size_t length) { seek(has(length) ? m_at + length : m_size + 1); }
    const std::uint8_t *bytes(std::size_t length)
    {
        const std::uint8_t *p = bytesAt(m_at, length);
        if (p)
            m_at += length;
        return p;
    }
    std::uint8_t u8() { return advance(u8At(m_at), 1); }
    std::uint16_t u16() { return advance(u16At(m_at), 2); }
    std::uint32_t u32() { return advance(u32At(m_at), 4); }
    std::int16_t i16() { return std::int16_t(u16()); }
    std::int32_t i32() { return std::int32_t(u32()); }

private:
    template <typename T> T advance(T value, std::size_t length)
    {
        if (has(length))
            m_at += length;
        return value;
    }

    const std::uint8_t *m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_at = 0;
    mutable bool m_ok = true;
};

} // namespace pixmaro
