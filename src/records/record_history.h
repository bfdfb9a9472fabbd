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

// The history without a line cut short at its end: such a line was being
// written when its writer stopped, and the change it stands for is still in
// the journal, to be written again whole.
std::string_view wholeLines(std::string_view history);

// Whether the last of the whole lines is `line`: a change finished up to its
// line before its writer stopped.
bool endsWithLine(std::string_view whole, std::string_view line);

// The whole lines that stay before `line` is added: all of them while they
// fit in maxHistoryBytes with it, else the newest that fit in half of it with
// it, which never overlap the bytes they are copied from. Only the bytes at
// the end decide, so a trim cut short and done again keeps the same lines.
std::string_view linesKeptBefore(std::string_view whole, std::size_t lineSize);

} // namespace orvetta
