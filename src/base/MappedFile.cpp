// Reading a file by mapping it: a decoder touches only the bytes it reads, however large the file.
#include "base/MappedFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixmaro {

bool MappedFile::open(const QString &path)
{
    close();
    if (path.startsWith(u':')) {
        // A resource compiled into the program is already in memory; QFile reads it from there.
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly))
            return false;
        m_resource = resource.readAll();
        m_fromResource = true;
        m_data = reinterpret_cast<const std::uint8_t *>(m_resource.constData());
        m_size = std::size_t(m_resource.size());
        m_open = true;
        return true;
    }
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. The type is then
    // checked on the open descriptor, so a file swapped for something else after a check by name
    // is still refused.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return false;
    }
    m_size = std::size_t(info.st_size);
    if (m_size > 0) {
        void *mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped == MAP_FAILED) {
            ::close(fd);
            m_size = 0;
            return false;
        }
        m_data = static_cast<const std::uint8_t *>(mapped);
    }
    ::close(fd); // the mapping stays valid without the descriptor
    m_open = true;
    return true;
}

void MappedFile::close()
{
    if (m_fromResource)
        m_resource = QByteArray();
    else if (m_data)
        ::munmap(const_cast<std::uint8_t *>(m_data), m_size);
    m_fromResource = false;
    m_data = nullptr;
    m_size = 0;
    m_open = false;
}

} // namespace pixmaro
