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
    return withoutControls(content.substr(0, maxHolderBytes));
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

std::string_view newestHistory(std::string_view history)
{
    constexpr std::size_t keep = maxHistoryBytes / 2;
    if (history.size() <= keep)
        return history;
    history.remove_prefix(history.size() - keep);
    const std::size_t lineStart = history.find('\n');
    return lineStart == std::string_view::npos ? std::string_view() : history.substr(lineStart + 1);
}

} // namespace orvetta
