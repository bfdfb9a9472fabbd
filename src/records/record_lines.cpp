// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_lines.h"

#include "quiz/number_value.h"

#include <algorithm>

namespace orvetta {

std::optional<std::string> scoreLine(std::string_view digits)
{
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits.empty() || digits.size() > 5 || !allDigits || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    if (std::stoi(std::string(digits)) > maxRecordScore)
        return std::nullopt;
    return std::string(digits) + "\r\n";
}

std::optional<std::string> holderLine(std::string_view name)
{
    if (name.size() > maxHolderBytes || name.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::string line;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\r' && i + 1 < name.size() && name[i + 1] == '\n')
            continue; // the LF that follows makes the one blank
        line += name[i] == '\r' || name[i] == '\n' ? ' ' : name[i];
    }
    return line + "\r\n";
}

double recordValue(std::string_view content)
{
    return lenientNumber(content);
}

} // namespace orvetta
