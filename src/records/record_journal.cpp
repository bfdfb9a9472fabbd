// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_journal.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace orvetta {
namespace {

constexpr std::string_view journalHeader = "orvetta-journal 1\n";

std::uint32_t crc32(std::string_view bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::string checkLine(std::string_view bytes)
{
    char line[10];
    std::snprintf(line, sizeof line, "%08x\n", static_cast<unsigned>(crc32(bytes)));
    return line;
}

bool readSize(std::string_view& text, char terminator, std::size_t& size)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end == text.data() || end == text.data() + text.size() || *end != terminator)
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
    return true;
}

} // namespace

std::string framePair(const RecordPair& pair)
{
    return std::to_string(pair.score.size()) + ' ' + std::to_string(pair.holder.size()) + '\n' + pair.score
           + pair.holder;
}

std::optional<RecordPair> unframePair(std::string_view framed)
{
    std::size_t scoreSize = 0, holderSize = 0;
    if (!readSize(framed, ' ', scoreSize) || !readSize(framed, '\n', holderSize)
        || scoreSize > framed.size() || framed.size() - scoreSize != holderSize)
        return std::nullopt;
    return RecordPair{std::string(framed.substr(0, scoreSize)), std::string(framed.substr(scoreSize))};
}

std::string encodeJournal(const RecordPair& pair)
{
    const std::string body = std::string(journalHeader) + framePair(pair);
    return body + checkLine(body);
}

std::optional<RecordPair> decodeJournal(std::string_view journal)
{
    constexpr std::size_t checkSize = 9;
    if (journal.size() < journalHeader.size() + checkSize || !journal.starts_with(journalHeader))
        return std::nullopt;
    const std::string_view body = journal.substr(0, journal.size() - checkSize);
    if (journal.substr(body.size()) != checkLine(body))
        return std::nullopt;
    const auto pair = unframePair(body.substr(journalHeader.size()));
    if (!pair || !pair->score.ends_with("\r\n") || !pair->holder.ends_with("\r\n"))
        return std::nullopt;
    const std::string_view score = std::string_view(pair->score).substr(0, pair->score.size() - 2);
    const std::string_view holder = std::string_view(pair->holder).substr(0, pair->holder.size() - 2);
    if (scoreLine(score) != pair->score || holder.find_first_of("\r\n") != std::string_view::npos
        || holderLine(holder) != pair->holder)
        return std::nullopt;
    return pair;
}

} // namespace orvetta
