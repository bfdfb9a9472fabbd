// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/number_value.h"

#include <charconv>
#include <cmath>
#include <string>

namespace orvetta {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct NumberPrefix {
    std::size_t end = 0; // one past the last character of the number
    bool found = false;
};

// Matches [sign] digits [. digits] | [sign] . digits, starting at `from`.
NumberPrefix matchNumber(std::string_view text, std::size_t from)
{
    std::size_t i = from;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    std::size_t end = i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::size_t fraction = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++fraction;
        }
        if (digits + fraction > 0)
            end = i;
        digits += fraction;
    }
    if (digits == 0)
        return {};
    return {end, true};
}

double toDouble(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range)
        value = HUGE_VAL;
    return negative ? -value : value;
}

std::size_t skipBlanks(std::string_view text, std::size_t from)
{
    while (from < text.size() && isBlank(text[from]))
        ++from;
    return from;
}

} // namespace

double lenientNumber(std::string_view text)
{
    const std::size_t start = skipBlanks(text, 0);
    const NumberPrefix number = matchNumber(text, start);
    return number.found ? toDouble(text.substr(start, number.end - start)) : 0.0;
}

std::optional<double> strictNumber(std::string_view text)
{
    const std::size_t start = skipBlanks(text, 0);
    const NumberPrefix number = matchNumber(text, start);
    if (!number.found || skipBlanks(text, number.end) != text.size())
        return std::nullopt;
    return toDouble(text.substr(start, number.end - start));
}

} // namespace orvetta
