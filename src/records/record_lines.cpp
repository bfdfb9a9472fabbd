// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_lines.h"

#include "numbers/number_value.h"

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

namespace {

// The UTF-8 encodings of C1 controls (U+0080 to U+009F) and of the
// bidirectional formatting characters (ALM, LRM, RLM, LRE to RLO, LRI to PDI).
// Names are UTF-8 wherever the record is shared; in a Windows code page these
// byte runs are mojibake, never a typed name.
std::size_t formattingRunAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    const unsigned b0 = byte(i), b1 = byte(i + 1), b2 = byte(i + 2);
    if (b0 == 0xC2 && b1 >= 0x80 && b1 <= 0x9F)
        return 2;
    if (b0 == 0xD8 && b1 == 0x9C)
        return 2;
    if (b0 == 0xE2 && b1 == 0x80 && (b2 == 0x8E || b2 == 0x8F || (b2 >= 0xAA && b2 <= 0xAE)))
        return 3;
    if (b0 == 0xE2 && b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9)
        return 3;
    return 0;
}

} // namespace

std::string withoutControls(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows makes the one blank
        if (const std::size_t run = formattingRunAt(text, i)) {
            clean += ' ';
            i += run - 1;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        clean += byte < 0x20 || byte == 0x7F ? ' ' : text[i];
    }
    return clean;
}

std::optional<std::string> holderLine(std::string_view name)
{
    if (name.size() > maxHolderBytes || name.find('\0') != std::string_view::npos)
        return std::nullopt;
    return withoutControls(name) + "\r\n";
}

double recordValue(std::string_view content)
{
    return lenientNumber(content);
}

} // namespace orvetta
