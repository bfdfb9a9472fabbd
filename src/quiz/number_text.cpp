// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace orvetta {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

struct NumberPrefix {
    qsizetype end = 0; // one past the last character of the number
    bool found = false;
};

// Matches [sign] digits [. digits] | [sign] . digits, starting at `from`.
NumberPrefix matchNumber(const QString& text, qsizetype from)
{
    qsizetype i = from;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) { ++i; ++digits; }
    qsizetype end = i;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        qsizetype fraction = 0;
        while (i < text.size() && isAsciiDigit(text[i])) { ++i; ++fraction; }
        if (digits + fraction > 0)
            end = i;
        digits += fraction;
    }
    if (digits == 0)
        return {};
    return {end, true};
}

double toDouble(const QString& text, qsizetype from, qsizetype end)
{
    std::string ascii = text.mid(from, end - from).toStdString();
    bool negative = false;
    if (!ascii.empty() && (ascii.front() == '+' || ascii.front() == '-')) {
        negative = ascii.front() == '-';
        ascii.erase(0, 1);
    }
    double value = 0;
    const auto parsed = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (parsed.ec == std::errc::result_out_of_range)
        value = HUGE_VAL;
    return negative ? -value : value;
}

qsizetype skipBlanks(const QString& text, qsizetype from)
{
    while (from < text.size() && isBlank(text[from]))
        ++from;
    return from;
}

} // namespace

double lenientValue(const QString& text)
{
    const qsizetype start = skipBlanks(text, 0);
    const NumberPrefix number = matchNumber(text, start);
    return number.found ? toDouble(text, start, number.end) : 0.0;
}

std::optional<double> strictValue(const QString& text)
{
    const qsizetype start = skipBlanks(text, 0);
    const NumberPrefix number = matchNumber(text, start);
    if (!number.found || skipBlanks(text, number.end) != text.size())
        return std::nullopt;
    return toDouble(text, start, number.end);
}

QString formatTwoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString formatWhole(long long value)
{
    return QString::number(value);
}

} // namespace orvetta
