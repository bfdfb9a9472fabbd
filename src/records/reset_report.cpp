// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/reset_report.h"

#include <charconv>

namespace orvetta {
namespace {

constexpr std::string_view endedStart = "orvetta-record: terminato il processo ";
constexpr std::string_view endedEnd = ", che teneva bloccato il record";
constexpr std::string_view waitingStart = "orvetta-record: il processo ";
constexpr std::string_view waitingEnd =
    " tiene bloccato il record: l'azzeramento vale già per tutti, e sarà scritto appena lo lascia";

std::string processOf(const EndedHolder& holder)
{
    return std::to_string(holder.pid) + " di " + holder.login;
}

// "PID di LOGIN" between `start` and `end`.
std::optional<EndedHolder> holderBetween(std::string_view line, std::string_view start, std::string_view end)
{
    if (!line.starts_with(start) || !line.ends_with(end) || line.size() < start.size() + end.size())
        return std::nullopt;
    const std::string_view process = line.substr(start.size(), line.size() - start.size() - end.size());
    EndedHolder holder;
    const auto [after, error] = std::from_chars(process.data(), process.data() + process.size(), holder.pid);
    const std::string_view rest = process.substr(static_cast<std::size_t>(after - process.data()));
    if (error != std::errc{} || holder.pid <= 0 || !rest.starts_with(" di ") || rest.size() == 4)
        return std::nullopt;
    holder.login = rest.substr(4);
    return holder;
}

} // namespace

std::string endedProcessLine(const EndedHolder& holder)
{
    return std::string(endedStart) + processOf(holder) + std::string(endedEnd) + '\n';
}

std::string waitingResetLine(const EndedHolder& holder)
{
    return std::string(waitingStart) + processOf(holder) + std::string(waitingEnd) + '\n';
}

std::optional<EndedHolder> parseResetReportLine(std::string_view line)
{
    if (auto holder = holderBetween(line, endedStart, endedEnd))
        return holder;
    if (auto holder = holderBetween(line, waitingStart, waitingEnd)) {
        holder->gone = false;
        return holder;
    }
    return std::nullopt;
}

} // namespace orvetta
