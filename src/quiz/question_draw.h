// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvetta {

// floor(r * 100 + 1) in single precision: 1 to 100 for r in [0, 1).
float drawWholeNumber(float r);

// Digits only: no sign, blank, point or exponent.
QString plainNumberText(float wholeNumber);

} // namespace orvetta
