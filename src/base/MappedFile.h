// Reading a file by mapping it: a decoder touches only the bytes it reads, however large the file.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace pixmaro {

/// A regular file mapped read-only into memory. Only the pages a reader touches are read from
/// disk, so a huge (or sparse) file costs nothing beyond what its decoder needs.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile() { close(); }
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    /// Maps the file at `path`. Only a regular file (after following links) is opened: a FIFO, a
    /// device such as /dev/zero, a socket or a folder is refused without blocking and without
    /// reading from it. Returns false, leaving this object empty, when the file is not regular,
    /// cannot be opened or cannot be mapped. An empty regular file maps to no bytes. A Qt resource
    /// path (":/...") is read from the program's own resources.
    bool open(const QString &path);
    /// Unmaps the file; views taken from it become invalid.
    void close();

    bool isOpen() const { return m_open; }
    const std::uint8_t *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    /// A view of the bytes without copying them, valid until close().
    QByteArray bytes() const
    {
        return QByteArray::fromRawData(reinterpret_cast<const char *>(m_data), qsizetype(m_size));
    }

private:
    bool m_open = false;
    const std::uint8_t *m_data = nullptr;
    std::size_t m_size = 0;
    bool m_fromResource = false;
    QByteArray m_resource; // the bytes of a resource
};

} // namespace pixmaro
