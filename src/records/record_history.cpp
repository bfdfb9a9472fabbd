// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_history.h"

#include <ctime>

namespace orvetta {
namespace {

// A record file's text without its line end, blanked as a name is, and cut
// to a name's length: old files may hold anything.
std::string field(std::string_view content)
{
    if (content.ends_with("\r\n"))
        content.remove_suffix(2);
    return plainText(content.substr(0, maxHolderBytes));
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
    for (const std::string& text : {field(login), field(action), field(saved.score), field(saved.holder),
                                    field(replaced.score), field(replaced.holder)})
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

std::string_view linesKeptBefore(std::string_view whole, std::size_t lineSize)
{
    if (whole.size() + lineSize <= maxHistoryBytes)
        return whole;
    const std::size_t room = maxHistoryBytes / 2 > lineSize ? maxHistoryBytes / 2 - lineSize : 0;
    if (room >= whole.size())
        return whole;
    // The newest lines start after the first line end at or after the byte before the last `room` bytes.
    const std::size_t lineEnd = whole.find('\n', whole.size() - room - 1);
    return lineEnd == std::string_view::npos ? std::string_view() : whole.substr(lineEnd + 1);
}

} // namespace orvetta
