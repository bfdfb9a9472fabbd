// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <optional>
#include <string>
#include <string_view>

// What the record helper's reset says of the processes it met, a line each,
// for whoever reads it at a terminal and for the game's reset window.
namespace orvetta {

std::string endedProcessLine(const EndedHolder& holder);
// A holder the reset could not end, so that the reset waits beside the record.
std::string waitingResetLine(const EndedHolder& holder);

struct ResetReportLine {
    EndedHolder holder; // gone: it was ended; otherwise the reset waits for it
};

// Either of the lines above, without its line end; nothing for any other.
std::optional<ResetReportLine> parseResetReportLine(std::string_view line);

} // namespace orvetta
