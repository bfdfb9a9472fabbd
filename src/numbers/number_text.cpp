// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/number_text.h"

#include "numbers/number_value.h"

namespace orvetta {

// Only ASCII characters take part in a number; any other becomes '?' in Latin-1 and ends it.
double lenientValue(const QString& text)
{
    return lenientNumber(text.toLatin1().toStdString());
}

std::optional<double> strictValue(const QString& text)
{
    return strictNumber(text.toLatin1().toStdString());
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
