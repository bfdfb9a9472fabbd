// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the two record files may hold, on plain bytes: shared by the game and
// the record helper, which has no Qt.
namespace orvetta {

inline constexpr std::string_view scoreFileName = "fraprod.txt";
inline constexpr std::string_view holderFileName = "fraprod1.txt";
// Beside the pair: the lock every access takes, and a save in progress.
inline constexpr std::string_view lockFileName = "fraprod.lock";
inline constexpr std::string_view journalFileName = "fraprod.journal";

inline constexpr int maxRecordScore = 32767;
// Far beyond any typed name, and small enough that a record file always reads back.
inline constexpr std::size_t maxHolderBytes = 4096;

// The whole contents of the two record files.
struct RecordPair {
    std::string score;
    std::string holder;
    bool operator==(const RecordPair&) const = default;
};

// "N\r\n" for the decimal digits of a whole number from 0 to 32767, without
// sign, blanks or leading zeros; nothing for any other text.
std::optional<std::string> scoreLine(std::string_view digits);

// The name as one line ending in CR LF, with nothing a terminal would act
// on: each line break inside it (CR LF, CR or LF), each other control
// character (C0, DEL, C1) and each bidirectional formatting character becomes
// one blank. Nothing for a name with a NUL byte or longer than maxHolderBytes.
std::optional<std::string> holderLine(std::string_view name);

// The same blanking, on any text, without the line end.
std::string withoutControls(std::string_view text);

// The number a record-score file stands for: the number its text begins with.
double recordValue(std::string_view content);

} // namespace orvetta
