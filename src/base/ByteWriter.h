// Little-endian writing of file structures into a growing byte array.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <utility>

namespace pixmaro {

/// Appends little-endian integers and raw bytes to a byte array, and patches 32-bit values
/// already written (a total size known only at the end).
class ByteWriter {
public:
    ByteWriter() = default;
    /// Continues after what `start` holds.
    explicit ByteWriter(QByteArray start)
        : m_bytes(std::move(start))
    {
    }

    const QByteArray &bytes() const { return m_bytes; }
    QByteArray take() { return std::move(m_bytes); }
    qsizetype size() const { return m_bytes.size(); }
    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }

    void u8(unsigned v) { m_bytes.append(char(v & 0xFF)); }
    void u16(unsigned v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void i16(int v) { u16(unsigned(v)); }
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    void append(const void *data, std::size_t length)
    {
        m_bytes.append(static_cast<const char *>(data), qsizetype(length));
    }
    void append(const QByteArray &data) { m_bytes.append(data); }
    /// Overwrites the four bytes at `offset`, which were written before.
    void setU32At(qsizetype offset, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes[offset + i] = char((v >> (8 * i)) & 0xFF);
    }

private:
    QByteArray m_bytes;
};

} // namespace pixmaro
