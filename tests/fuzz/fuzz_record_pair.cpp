// SPDX-License-Identifier: GPL-3.0-or-later
// The record pair as read from disk, and what a save makes of a score and a
// name: the input is a score file's bytes, a NUL, then a holder file's bytes.
#include "fuzz_checks.h"
#include "numbers/number_value.h"
#include "records/record_journal.h"

#include <cmath>
#include <string>

using namespace orvetta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto parts = fuzz::split(input, '\0', 2);
    const std::string_view score = parts[0], holder = parts[1];

    // The number a score file stands for: never NaN, and the whole text's when it is one number.
    const double value = recordValue(score);
    FUZZ_CHECK(!std::isnan(value));
    if (const auto strict = strictNumber(score))
        FUZZ_CHECK(*strict == lenientNumber(score));

    // A score a save accepts is a whole number from 0 to 32767, written back as it came.
    if (const auto line = scoreLine(score)) {
        const int number = std::stoi(std::string(score));
        FUZZ_CHECK(number >= 0 && number <= maxRecordScore);
        FUZZ_CHECK(*line == std::string(score) + "\r\n" && recordValue(*line) == number);
    }

    // A name a save writes holds no control, format or separator character,
    // and no byte that is not text; in a code page, no C0 or DEL byte.
    if (const auto line = holderLine(holder, NameEncoding::Utf8)) {
        FUZZ_CHECK(fuzz::isPlainLine(*line));
        FUZZ_CHECK(holderLine(line->substr(0, line->size() - 2), NameEncoding::Utf8) == line);
    }
    if (const auto line = holderLine(holder, NameEncoding::AnsiCodePage))
        for (std::size_t i = 0; i + 2 < line->size(); ++i)
            FUZZ_CHECK(static_cast<unsigned char>((*line)[i]) >= 0x20 && (*line)[i] != 0x7F);

    // The helper's framing of the pair reads back as it was written.
    if (const auto pair = unframePair(input))
        FUZZ_CHECK(framePair(*pair) == input);
    return 0;
}
