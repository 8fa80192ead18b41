// Replacing files safely: a failed write never leaves a half-written or damaged file.
#include "base/SafeFile.h"

#include "base/Failures.h"

#include <QFileInfo>
#include <QSaveFile>

namespace pixmaro {

bool OpenForReplacement(QSaveFile &file)
{
    const QFileInfo existing(file.fileName());
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        return false;
    file.setDirectWriteFallback(false);
    // Unbuffered, so that every write reports what really reached the file: a buffered write
    // that falls short at the final flush is not reported by commit().
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool WriteAll(QIODevice &device, const char *bytes, qint64 size)
{
    while (size > 0) {
        const qint64 written = device.write(bytes, size);
        if (written <= 0)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool SaveFileSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!OpenForReplacement(file))
        return false;
    // Without commit() the temporary file is removed when `file` goes.
    return WriteAll(file, bytes.constData(), bytes.size()) && file.commit();
}

std::optional<QString> WriteFileSafely(const QString &path, const QByteArray &bytes)
{
    if (!SaveFileSafely(path, bytes))
        return CannotCreateFile(path);
    return std::nullopt;
}

} // namespace pixmaro
