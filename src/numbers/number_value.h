// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// The number rules on plain bytes, for code that has no Qt (the record helper).
namespace orvetta {

// Leading blanks skipped, then the longest prefix that reads as a decimal
// number (sign, digits, point, digits); the rest is ignored. No number gives 0.
double lenientNumber(std::string_view text);

// The whole text, blanks around it allowed, must be a decimal number.
std::optional<double> strictNumber(std::string_view text);

} // namespace orvetta
