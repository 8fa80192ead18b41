// An environment variable set for one test and restored afterwards.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pixmaro::test {

class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value)
        : m_name(name)
        , m_saved(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnv()
    {
        if (m_saved.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, m_saved);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    QByteArray m_saved;
};

} // namespace pixmaro::test
