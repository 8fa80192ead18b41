// Replacing files safely: a failed write never leaves a half-written or damaged file.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;
class QSaveFile;

namespace pixmaro {

/// Opens `file` for a safe replacement of its path: it writes to a temporary file in the same
/// folder that is renamed over the destination by commit(). Refuses (returns false) when the
/// destination exists and is not a plain writable file, so a read-only file is never replaced.
bool OpenForReplacement(QSaveFile &file);

/// Writes all of `bytes`, unbuffered, treating a short write (a full disk) as the failure it is.
bool WriteAll(QIODevice &device, const char *bytes, qint64 size);

/// Replaces the file at `path` with `bytes`; on failure the temporary file is removed and an
/// existing file is left as it was. Returns whether it succeeded.
bool SaveFileSafely(const QString &path, const QByteArray &bytes);

/// Writes `bytes` to `path` through a temporary file renamed over it when complete; on failure
/// nothing is left behind, an existing file is untouched, and the result is "Cannot create file
/// <path>".
std::optional<QString> WriteFileSafely(const QString &path, const QByteArray &bytes);

} // namespace pixmaro
