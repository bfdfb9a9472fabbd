// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <cstddef>
#include <string>
#include <string_view>

// The history of every change to the machine-wide record, so that a forged
// score can be traced to whoever saved it. One line a change, its fields
// separated by tabs: local time, login name, what happened ("save", "kept
// save" for one that waited for the lock, "reset"), the score and name saved,
// the score and name it replaced.
namespace orvetta {

// Past this the oldest lines go first, down to half of it.
inline constexpr std::size_t maxHistoryBytes = 256 * 1024;

std::string historyLine(long long when, std::string_view login, std::string_view action, const RecordPair& saved,
                        const RecordPair& replaced);

// The newest whole lines of history that fit in half of maxHistoryBytes.
std::string_view newestHistory(std::string_view history);

} // namespace orvetta
