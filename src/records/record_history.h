// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <cstddef>
#include <string>
#include <string_view>

// The history of every change to the machine-wide record, so that a forged
// score can be traced to whoever saved it. One line a change, its fields
// separated by tabs: local time, login name, what happened ("save", "kept
// save" for one that waited for the lock, "reset", and, in what `history`
// shows only, "waiting reset" for one that waits for the lock), the score and
// name saved, the score and name it replaced.
namespace orvetta {

// Past this the history is trimmed to about half of it (trimmedHistory).
inline constexpr std::size_t maxHistoryBytes = 256 * 1024;
// Scores and names longer than this many characters are cut, and end in "…",
// so that one player's lines cannot fill the history.
inline constexpr std::size_t maxHistoryFieldCharacters = 64;
// An action is the program's own words, naming at most one process and its
// login, which the system keeps below 256 bytes (LOGIN_NAME_MAX): cut only
// past this, so that a login is never cut.
inline constexpr std::size_t maxHistoryActionCharacters = 400;

std::string historyLine(long long when, std::string_view login, std::string_view action, const RecordPair& saved,
                        const RecordPair& replaced);

// The whole lines that stay when the history has no room for a line of
// `lineSize` bytes more: every line of root's and the newest line of every
// login (while they fit in maxHistoryBytes with the line), and the newest
// others while all fit in half of it with the line; in their order.
std::string trimmedHistory(std::string_view whole, std::size_t lineSize);

// The history without a line cut short at its end: such a line was being
// written when its writer stopped, and the change it stands for is still in
// the journal, to be written again whole.
std::string_view wholeLines(std::string_view history);

// Whether the last of the whole lines is `line`: a change finished up to its
// line before its writer stopped.
bool endsWithLine(std::string_view whole, std::string_view line);

} // namespace orvetta
