// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace orvetta {

// Leading blanks skipped, then the longest prefix that reads as a decimal
// number (sign, digits, point, digits); the rest is ignored. No number gives 0.
double lenientValue(const QString& text);

// The whole text, blanks around it allowed, must be a decimal number.
std::optional<double> strictValue(const QString& text);

// "00": at least two digits, leading zeros.
QString formatTwoDigits(int value);

// "####0": the whole number, no leading zeros, no grouping, at least one digit.
QString formatWhole(long long value);

} // namespace orvetta
