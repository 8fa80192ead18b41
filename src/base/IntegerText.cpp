// Integer text: how typed numbers and settings-file values are read as 32-bit integers.
#include "base/IntegerText.h"

#include <cstdint>
#include <limits>

namespace pixmaro {

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

std::optional<int> ParseHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + d;
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

std::optional<int> ParseDecimal(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<int>::min())
                                        : std::numeric_limits<int>::max();
    std::int64_t value = 0;
    for (QChar c : text) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

std::optional<int> ParseInteger(const QString &text)
{
    if (text.startsWith(u'$'))
        return ParseHex(QStringView(text).mid(1));
    if (text.size() > 2
        && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        return ParseHex(QStringView(text).mid(2));
    return ParseDecimal(text);
}

InvalidInteger::InvalidInteger(const QString &text)
    : std::runtime_error(
        QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString())
{
}

int IntegerOrThrow(const QString &text)
{
    if (const auto value = ParseInteger(text))
        return *value;
    throw InvalidInteger(text);
}

} // namespace pixmaro
