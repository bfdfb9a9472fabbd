// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/question_draw.h"

#include <cmath>

namespace orvetta {

float drawWholeNumber(float r)
{
    return std::floor(r * 100.0f + 1.0f);
}

QString plainNumberText(float wholeNumber)
{
    return QString::number(static_cast<long long>(wholeNumber));
}

} // namespace orvetta
