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
// Every file of a record directory, as an installer makes them.
inline constexpr std::string_view recordFileNames[] = {scoreFileName, holderFileName, lockFileName, journalFileName};

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

// How the bytes of a name stand for its text: UTF-8 wherever the record is
// shared on Linux; the ANSI code page of Windows, where the text was made
// plain before it was encoded.
enum class NameEncoding { Utf8, AnsiCodePage };

// The name as one line ending in CR LF, with nothing a terminal would act on
// and nothing that hides: each line break inside it (CR LF, CR or LF), each
// control character (C0, DEL, C1), format character (zero-width,
// bidirectional, soft hyphen, ...), line or paragraph separator,
// default-ignorable (variation selectors, fillers, ...), private-use,
// unassigned or noncharacter code point, and in UTF-8 each byte of an
// invalid, overlong or surrogate sequence (a sequence cut short at its end
// counts once) becomes one blank. In the ANSI code page only C0 and DEL bytes
// are known for what they are. Nothing for a name with a NUL byte or longer
// than maxHolderBytes.
std::optional<std::string> holderLine(std::string_view name, NameEncoding encoding);

// The same blanking, on any UTF-8 text, without the line end: what is left is
// valid UTF-8 that shows as itself.
std::string plainText(std::string_view utf8);

// The number a record-score file stands for: the number its text begins
// with, after the byte order mark Notepad may have saved it with (UTF-8, or
// UTF-16 in either order). A score no game reaches counts as no record.
double recordValue(std::string_view content);

// A stored score as a save weighs it: one above 32767, which no game can
// beat, counts as no record, so that a typing slip does not stand for ever.
double countedRecord(double stored);

} // namespace orvetta
