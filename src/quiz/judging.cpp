// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/judging.h"

#include <cmath>
#include <limits>
#include <optional>

namespace orvetta {
namespace {

std::optional<std::int64_t> roundHalfEven(double value)
{
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!(rounded >= -limit && rounded < limit))
        return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

} // namespace

Verdict judgeImproper(double n, double d)
{
    return d < n ? Verdict::Right : Verdict::Wrong;
}

Verdict judgeProper(double n, double d)
{
    return d > n ? Verdict::Right : Verdict::Wrong;
}

Verdict judgeApparent(double n, double d)
{
    const auto numerator = roundHalfEven(n);
    const auto denominator = roundHalfEven(d);
    if (!numerator || !denominator || *denominator == 0)
        return Verdict::Wrong;
    // -1 divides everything; asking for the remainder could overflow.
    const std::int64_t remainder = *denominator == -1 ? 0 : *numerator % *denominator;
    if (remainder == 0)
        return Verdict::Right;
    return remainder > 0 ? Verdict::Wrong : Verdict::Uncounted;
}

std::int16_t countOneMore(std::int16_t counter)
{
    return counter == std::numeric_limits<std::int16_t>::max() ? counter : static_cast<std::int16_t>(counter + 1);
}

} // namespace orvetta
