// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <optional>
#include <string>
#include <string_view>

// The journal that makes the two record files change together: a save writes
// the new pair here, checked, before it touches either file.
namespace orvetta {

// Two byte strings framed as "<size> <size>\n" followed by both.
std::string framePair(const RecordPair& pair);
std::optional<RecordPair> unframePair(std::string_view framed);

std::string encodeJournal(const RecordPair& pair);
// The pair of a whole journal whose check matches and whose lines are record
// lines a save could have written; nothing for anything else.
std::optional<RecordPair> decodeJournal(std::string_view journal);

} // namespace orvetta
