// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_lines.h"

#include "numbers/number_value.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

// What shows as itself, from the Unicode data (visible_code_points.awk says
// what is left out), sorted.
constexpr std::pair<char32_t, char32_t> visibleRanges[] = {
#include "records/visible_code_points.inc"
};

bool hidden(char32_t c)
{
    const auto after = std::upper_bound(std::begin(visibleRanges), std::end(visibleRanges), c,
                                        [](char32_t code, const auto& range) { return code < range.first; });
    return after == std::begin(visibleRanges) || c > std::prev(after)->second;
}

// The length of the well-formed UTF-8 sequence at the start of `text` and its
// code point; for an ill-formed one, the length of its maximal subpart (at
// least 1) and nothing.
std::pair<std::size_t, std::optional<char32_t>> decodeAt(std::string_view text)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return {1, lead};
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else
        return {1, std::nullopt};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (k >= text.size() || byte(k) < (k == 1 ? low : 0x80) || byte(k) > (k == 1 ? high : 0xBF))
            return {k, std::nullopt};
        code = (code << 6) | (byte(k) & 0x3F);
    }
    return {length, code};
}

bool isLineBreakPair(std::string_view text, std::size_t i)
{
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
}

// C0 and DEL bytes as blanks; the bytes above are the code page's own.
std::string withoutAsciiControls(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLineBreakPair(text, i))
            continue; // the LF that follows makes the one blank
        const auto byte = static_cast<unsigned char>(text[i]);
        clean += byte < 0x20 || byte == 0x7F ? ' ' : text[i];
    }
    return clean;
}

} // namespace

std::string plainText(std::string_view utf8)
{
    std::string clean;
    clean.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (isLineBreakPair(utf8, i)) {
            ++i; // the LF that follows makes the one blank
            continue;
        }
        const auto [length, code] = decodeAt(utf8.substr(i));
        if (code && !hidden(*code))
            clean += utf8.substr(i, length);
        else
            clean += ' ';
        i += length;
    }
    return clean;
}

std::optional<std::string> holderLine(std::string_view name, NameEncoding encoding)
{
    if (name.size() > maxHolderBytes || name.find('\0') != std::string_view::npos)
        return std::nullopt;
    return (encoding == NameEncoding::Utf8 ? plainText(name) : withoutAsciiControls(name)) + "\r\n";
}

namespace {

// The score file's text as single bytes: after a UTF-8 mark as it stands,
// after a UTF-16 mark one byte a unit, '?' for each unit beyond ASCII.
std::string scoreText(std::string_view content)
{
    if (content.starts_with("\xEF\xBB\xBF"))
        return std::string(content.substr(3));
    const bool littleEndian = content.starts_with("\xFF\xFE");
    if (!littleEndian && !content.starts_with("\xFE\xFF"))
        return std::string(content);
    std::string text;
    for (std::size_t i = 2; i + 1 < content.size(); i += 2) {
        const auto low = static_cast<unsigned char>(content[littleEndian ? i : i + 1]);
        const auto high = static_cast<unsigned char>(content[littleEndian ? i + 1 : i]);
        text += high == 0 && low < 0x80 ? static_cast<char>(low) : '?';
    }
    return text;
}

} // namespace

double countedRecord(double stored)
{
    return stored > maxRecordScore ? 0.0 : stored;
}

double recordValue(std::string_view content)
{
    return countedRecord(lenientNumber(scoreText(content)));
}

} // namespace orvetta
