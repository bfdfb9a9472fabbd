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

// The holder either of the lines above names, without its line end: gone when
// it was ended, otherwise the one the reset waits for; nothing for any other line.
std::optional<EndedHolder> parseResetReportLine(std::string_view line);

} // namespace orvetta
