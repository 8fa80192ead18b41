#include "imaging/GreyDither.h"

#include <algorithm>
#include <stdexcept>

namespace pixmaro {

namespace {

// An error of −1, 0 or 1 as the position of its 4-bit field, and back.
constexpr int FieldOf(int error)
{
    return 4 * (error + 1);
}
constexpr int ErrorOf(int field)
{
    return (field >> 2) - 1;
}

// One row in one direction. `errors` holds the error sums the previous row left for this one
// (entry x + 1 for column x) and receives those this row leaves for the next: for each column,
// 5 × its own error, 3 × that of the pixel after it and 1 × that of the pixel before it (in the
// row's direction), each pixel passing 7 × its error on to the next.
template <int Dir>
void DitherRow(std::uint8_t *row, int width, std::int16_t *errors, const std::uint8_t *level,
    const std::uint16_t *next)
{
    std::uint8_t *pixel = Dir > 0 ? row : row + width - 1;
    std::int16_t *error = Dir > 0 ? errors : errors + width + 1; // the column before this one
    int field = FieldOf(0); // the error of the previous pixel
    int before = 0; // the error of the pixel before that
    for (int n = width; n > 0; --n) {
        const int sum = 16 * *pixel + error[Dir] + 8;
        const int previous = ErrorOf(field);
        *pixel = level[sum + 7 * previous];
        field = (next[sum] >> field) & 15;
        error[0] = std::int16_t(before + 5 * previous + 3 * ErrorOf(field));
        before = previous;
        pixel += Dir;
        error += Dir;
    }
    error[0] = std::int16_t(before + 5 * ErrorOf(field));
}

} // namespace

GreyDither::GreyDither(int width, int levels)
    : m_width(width)
    , m_level(std::size_t(kHighestSum - kLowestSum + 1))
    , m_next(std::size_t(kHighestSum - kLowestSum + 1))
    , m_errors(std::size_t(width) + 2, 0)
{
    if (width < 1 || levels < 129 || levels > 256)
        throw std::invalid_argument("GreyDither: unsupported width or number of levels");
    const int top = levels - 1;
    // Each value's level: the first whose largest input value is not below it.
    const auto grey = [top](int j) { return (j * 255 + top / 2) / top; };
    const auto largestInput = [top](int j) { return ((2 * j + 1) * 255 + top) / (2 * top); };
    std::vector<int> greyOf(256);
    for (int value = 0, j = 0; value < 256; ++value) {
        while (value > largestInput(j))
            ++j;
        greyOf[std::size_t(value)] = grey(j);
    }
    // A sum's value, rounded down to whole steps and clamped to 0 .. 255.
    const auto valueOf = [](int sum) { return std::clamp(sum >> 4, 0, 255); };
    for (int sum = kLowestSum; sum <= kHighestSum; ++sum) {
        const std::size_t i = std::size_t(sum - kLowestSum);
        m_level[i] = std::uint8_t(greyOf[std::size_t(valueOf(sum))]);
        std::uint16_t next = 0;
        for (int carried = -1; carried <= 1; ++carried) {
            const int in = std::clamp(sum + 7 * carried, kLowestSum, kHighestSum);
            const int error = valueOf(in) - greyOf[std::size_t(valueOf(in))];
            if (error < -1 || error > 1)
                throw std::logic_error("GreyDither: levels more than 2 apart");
            next |= std::uint16_t(FieldOf(error) << FieldOf(carried));
        }
        m_next[i] = next;
    }
}

void GreyDither::apply(std::uint8_t *row)
{
    const std::uint8_t *level = m_level.data() - kLowestSum;
    const std::uint16_t *next = m_next.data() - kLowestSum;
    if (m_oddRow)
        DitherRow<-1>(row, m_width, m_errors.data(), level, next);
    else
        DitherRow<1>(row, m_width, m_errors.data(), level, next);
    m_oddRow = !m_oddRow;
}

} // namespace pixmaro
