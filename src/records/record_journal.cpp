// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_journal.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace orvetta {
namespace {

constexpr std::string_view journalHeader = "orvetta-journal 2\n";
constexpr std::string_view pairOnlyJournalHeader = "orvetta-journal 1\n";
constexpr std::string_view keptHeader = "orvetta-kept 1\n";
constexpr std::string_view trimmedHistoryHeader = "orvetta-history 1\n";
constexpr std::size_t checkSize = 9;

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

// A size as framePair writes one: decimal digits without a leading zero.
bool readSize(std::string_view& text, char terminator, std::size_t& size)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end == text.data() || end == text.data() + text.size() || *end != terminator
        || (text[0] == '0' && end - text.data() > 1))
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
    return true;
}

} // namespace

std::string checkLine(std::string_view bytes)
{
    char line[10];
    std::snprintf(line, sizeof line, "%08x\n", static_cast<unsigned>(crc32(bytes)));
    return line;
}

std::string framePair(const RecordPair& pair)
{
    return std::to_string(pair.score.size()) + ' ' + std::to_string(pair.holder.size()) + '\n' + pair.score
           + pair.holder;
}

std::optional<RecordPair> unframePair(std::string_view framed)
{
    std::size_t scoreSize = 0, holderSize = 0;
    if (!readSize(framed, ' ', scoreSize) || !readSize(framed, '\n', holderSize) || scoreSize > framed.size()
        || framed.size() - scoreSize != holderSize)
        return std::nullopt;
    return RecordPair{std::string(framed.substr(0, scoreSize)), std::string(framed.substr(scoreSize))};
}

namespace {

std::string checked(std::string_view header, std::string_view content)
{
    const std::string body = std::string(header) + std::string(content);
    return body + checkLine(body);
}

// What follows the header of a whole entry whose check matches.
std::optional<std::string_view> checkedContent(std::string_view header, std::string_view entry)
{
    if (entry.size() < header.size() + checkSize || !entry.starts_with(header))
        return std::nullopt;
    const std::string_view body = entry.substr(0, entry.size() - checkSize);
    if (entry.substr(body.size()) != checkLine(body))
        return std::nullopt;
    return body.substr(header.size());
}

// Lines exactly as a save writes them.
bool isSavedPair(const RecordPair& pair, NameEncoding encoding)
{
    if (!pair.score.ends_with("\r\n") || !pair.holder.ends_with("\r\n"))
        return false;
    const std::string_view score = std::string_view(pair.score).substr(0, pair.score.size() - 2);
    const std::string_view holder = std::string_view(pair.holder).substr(0, pair.holder.size() - 2);
    return scoreLine(score) == pair.score && holder.find_first_of("\r\n") == std::string_view::npos
           && holderLine(holder, encoding) == pair.holder;
}

bool isOneLine(std::string_view line)
{
    return line.size() > 1 && line.find('\n') == line.size() - 1;
}

} // namespace

std::string encodeJournal(const JournaledChange& change)
{
    return checked(journalHeader,
                   std::to_string(change.historyLine.size()) + '\n' + framePair(change.pair) + change.historyLine);
}

std::optional<JournaledChange> decodeJournal(std::string_view journal, NameEncoding encoding)
{
    JournaledChange change;
    std::optional<RecordPair> pair;
    if (auto content = checkedContent(journalHeader, journal)) {
        std::size_t lineSize = 0;
        if (!readSize(*content, '\n', lineSize) || lineSize > content->size())
            return std::nullopt;
        change.historyLine = content->substr(content->size() - lineSize);
        if (!isOneLine(change.historyLine))
            return std::nullopt;
        pair = unframePair(content->substr(0, content->size() - lineSize));
    } else if (const auto pairOnly = checkedContent(pairOnlyJournalHeader, journal)) {
        pair = unframePair(*pairOnly);
    }
    if (!pair || !(isSavedPair(*pair, encoding) || *pair == RecordPair{}))
        return std::nullopt;
    change.pair = std::move(*pair);
    return change;
}

std::string encodeTrimmedHistory(std::string_view lines)
{
    return checked(trimmedHistoryHeader, lines);
}

std::optional<std::string_view> decodeTrimmedHistory(std::string_view trimmed)
{
    return checkedContent(trimmedHistoryHeader, trimmed);
}

std::string encodeKeptSave(const KeptSave& save)
{
    return checked(keptHeader, std::to_string(save.when) + '\n' + plainText(save.saver) + '\n' + framePair(save.pair));
}

std::optional<KeptSave> decodeKeptSave(std::string_view entry)
{
    auto content = checkedContent(keptHeader, entry);
    if (!content)
        return std::nullopt;
    std::size_t when = 0;
    if (!readSize(*content, '\n', when) || when > static_cast<std::size_t>(std::numeric_limits<long long>::max()))
        return std::nullopt;
    const std::size_t loginEnd = content->find('\n');
    // The login as a save writes it: plain text.
    if (loginEnd == std::string_view::npos || plainText(content->substr(0, loginEnd)) != content->substr(0, loginEnd))
        return std::nullopt;
    KeptSave save{static_cast<long long>(when), std::string(content->substr(0, loginEnd)), {}};
    const auto pair = unframePair(content->substr(loginEnd + 1));
    if (!pair || !(isSavedPair(*pair, NameEncoding::Utf8) || *pair == RecordPair{}))
        return std::nullopt;
    save.pair = *pair;
    return save;
}

} // namespace orvetta
