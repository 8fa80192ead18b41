// Integer text: how typed numbers and settings-file values are read as 32-bit integers.
#pragma once

#include <QString>

#include <optional>
#include <stdexcept>

namespace pixmaro {

/// Reads `text` as a 32-bit integer: decimal with an optional sign, or hexadecimal after "$",
/// "0x" or "0X" (up to eight digits, taken as the bit pattern of a signed 32-bit value).
/// Returns nothing for an empty text, any other character (blanks included) or a value out of
/// range.
std::optional<int> ParseInteger(const QString &text);

/// The failure of a number that is not an integer; what() is "'<text>' is not a valid integer
/// value".
class InvalidInteger : public std::runtime_error {
public:
    explicit InvalidInteger(const QString &text);
};

/// Reads `text` as ParseInteger does; throws InvalidInteger when it is not an integer.
int IntegerOrThrow(const QString &text);

} // namespace pixmaro
