// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orvetta {

enum class Verdict { Right, Wrong, Uncounted };

// n and d are the numerator and denominator as read from the boxes.
Verdict judgeImproper(double n, double d);
Verdict judgeProper(double n, double d);
// Apparent when the numerator, rounded half to even, is a whole multiple of
// the rounded denominator. A negative remainder counts for nothing; a
// denominator that rounds to 0, or a value beyond 64 bits, is a wrong answer.
Verdict judgeApparent(double n, double d);

// Answer counters stop at the largest 16-bit value instead of overflowing.
std::int16_t countOneMore(std::int16_t counter);

} // namespace orvetta
