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

// A change to the record: the pair it leaves and its line in the history.
struct JournaledChange {
    RecordPair pair;
    std::string historyLine;
    bool operator==(const JournaledChange&) const = default;
};

// The line that ends a journal or a kept save: the CRC-32 of the bytes before
// it, in hex. It tells a whole entry from one cut short or torn.
std::string checkLine(std::string_view bytes);

std::string encodeJournal(const JournaledChange& change);
// The change of a whole journal whose check matches, whose lines are record
// lines a save could have written (or the empty pair of a reset) and whose
// history line is one line; nothing for anything else. A journal of earlier
// versions, whose line went to the history before the journal was written,
// comes back without a line.
std::optional<JournaledChange> decodeJournal(std::string_view journal, NameEncoding encoding);

// A save that could not wait for the lock, kept until someone holds it; with
// the empty pair, a reset.
struct KeptSave {
    long long when = 0; // seconds since the epoch
    std::string saver;  // the login name of whoever saved it
    RecordPair pair;
    bool operator==(const KeptSave&) const = default;
};

// The history's lines as a trim leaves them, written whole beside the history
// before they replace it in place, so that a trim cut short is done again.
std::string encodeTrimmedHistory(std::string_view lines);
// Nothing for one cut short or changed.
std::optional<std::string_view> decodeTrimmedHistory(std::string_view trimmed);

std::string encodeKeptSave(const KeptSave& save);
// Nothing for an entry cut short, changed, or holding lines no save or reset writes.
std::optional<KeptSave> decodeKeptSave(std::string_view entry);

} // namespace orvetta
