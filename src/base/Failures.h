// Failures shared by the layers: the division by a zero count or side, and the text of a file
// that cannot be created.
#pragma once

#include <QString>

#include <stdexcept>

namespace pixmaro {

/// The failure of a size or count that needs a division by zero.
class DivisionByZero : public std::domain_error {
public:
    DivisionByZero()
        : std::domain_error("Division by zero")
    {
    }
};

/// "Cannot create file <path>".
inline QString CannotCreateFile(const QString &path)
{
    return QStringLiteral("Cannot create file ") + path;
}

} // namespace pixmaro
