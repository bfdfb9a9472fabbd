// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_history.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <set>
#include <vector>

namespace orvetta {
namespace {

// A record file's text without its line end, blanked as a name is, and cut
// to `most` characters: old files may hold anything.
std::string field(std::string_view content, std::size_t most = maxHistoryFieldCharacters)
{
    if (content.ends_with("\r\n"))
        content.remove_suffix(2);
    const std::string text = plainText(content.substr(0, maxHolderBytes));
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        // Plain text is valid UTF-8: a character starts at each byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && characters++ == most)
            return text.substr(0, end) + "\u2026";
    }
    return text;
}

// The login of a line of seven fields; nothing for a line an older version garbled.
std::optional<std::string_view> loginOf(std::string_view line)
{
    if (std::count(line.begin(), line.end(), '\t') != 6)
        return std::nullopt;
    const std::size_t start = line.find('\t') + 1;
    return line.substr(start, line.find('\t', start) - start);
}

} // namespace

std::string historyLine(long long when, std::string_view login, std::string_view action, const RecordPair& saved,
                        const RecordPair& replaced)
{
    const std::time_t seconds = static_cast<std::time_t>(when);
    std::tm local{};
    char time[40] = "?";
#ifdef _WIN32
    const bool known = ::localtime_s(&local, &seconds) == 0;
#else
    const bool known = ::localtime_r(&seconds, &local) != nullptr;
#endif
    if (known)
        std::strftime(time, sizeof time, "%Y-%m-%d %H:%M:%S %z", &local);
    std::string line = time;
    for (const std::string& text : {field(login), field(action, maxHistoryActionCharacters), field(saved.score),
                                    field(saved.holder), field(replaced.score), field(replaced.holder)})
        line += '\t' + text;
    return line + '\n';
}

std::string_view wholeLines(std::string_view history)
{
    const std::size_t lastEnd = history.rfind('\n');
    return lastEnd == std::string_view::npos ? std::string_view() : history.substr(0, lastEnd + 1);
}

bool endsWithLine(std::string_view whole, std::string_view line)
{
    return !line.empty() && whole.ends_with(line)
           && (whole.size() == line.size() || whole[whole.size() - line.size() - 1] == '\n');
}

std::string trimmedHistory(std::string_view whole, std::size_t lineSize)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < whole.size();) {
        const std::size_t end = std::min(whole.find('\n', start), whole.size() - 1) + 1;
        lines.push_back(whole.substr(start, end - start));
        start = end;
    }
    // Newest first: what must stay, then the others while they fit.
    std::vector<bool> kept(lines.size());
    std::set<std::string_view> logins;
    std::size_t size = lineSize;
    for (std::size_t i = lines.size(); i-- > 0;) {
        const auto login = loginOf(lines[i]);
        if (login && (*login == "root" || logins.insert(*login).second)) {
            kept[i] = true;
            size += lines[i].size();
        }
    }
    // Only decades of resets or thousands of players could fill it so: the oldest of them go.
    for (std::size_t i = 0; i < lines.size() && size > maxHistoryBytes; ++i) {
        if (kept[i]) {
            kept[i] = false;
            size -= lines[i].size();
        }
    }
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (kept[i])
            continue;
        if (size + lines[i].size() > maxHistoryBytes / 2)
            break;
        kept[i] = true;
        size += lines[i].size();
    }
    std::string trimmed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (kept[i])
            trimmed += lines[i];
    return trimmed;
}

} // namespace orvetta
