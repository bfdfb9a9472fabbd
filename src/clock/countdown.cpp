// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/countdown.h"

#include "numbers/number_text.h"

#include <cmath>

namespace orvetta {

QString clockText(std::int16_t ore, std::int16_t minuti, float secondi)
{
    return formatTwoDigits(ore) + QLatin1Char(':') + formatTwoDigits(minuti) + QLatin1Char(':')
           + formatTwoDigits(static_cast<int>(secondi));
}

void countDownOneSecond(std::int16_t& ore, std::int16_t& minuti, float& secondi, std::int16_t& secondiRestanti)
{
    if (secondi == 0.0f) {
        if (minuti > 0) {
            secondi = 60;
            --minuti;
        } else if (ore >= 1) {
            minuti = 59;
            --ore;
            secondi = 60;
        } else {
            ore = 0;
            minuti = 0;
        }
    }
    secondi -= 1;
    --secondiRestanti;
}

std::int16_t roundToInt16(float value)
{
    return static_cast<std::int16_t>(std::nearbyint(value));
}

QString remainingTimeText(int seconds)
{
    return clockText(static_cast<std::int16_t>(seconds / 3600), static_cast<std::int16_t>(seconds / 60 % 60),
                     static_cast<float>(seconds % 60));
}

} // namespace orvetta
