// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace orvetta {

// hh:mm:ss, each piece with at least two digits.
QString clockText(std::int16_t ore, std::int16_t minuti, float secondi);

// Takes one second off the clock, borrowing from the minutes and the hours.
void countDownOneSecond(std::int16_t& ore, std::int16_t& minuti, float& secondi, std::int16_t& secondiRestanti);

// Rounded to the nearest whole number, halves to the even neighbour.
std::int16_t roundToInt16(float value);

// The time left as the clock shows it.
QString remainingTimeText(int seconds);

} // namespace orvetta
