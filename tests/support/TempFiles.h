// Test helpers: files written into a temporary folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <ostream>

namespace pixmaro::test {

/// Writes `bytes` to `path`, creating its folder; returns the path.
inline QString WriteFile(const QString &path, const QByteArray &bytes = QByteArray())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef PIXMARO_TEST_DATA
/// The bytes of a file stored under tests/data.
inline QByteArray Data(const char *name)
{
    return ReadFile(QStringLiteral(PIXMARO_TEST_DATA "/") + name);
}
#endif

} // namespace pixmaro::test

// Lets GoogleTest print Qt strings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &b, std::ostream *os)
{
    *os << '"' << b.toStdString() << '"';
}
QT_END_NAMESPACE
