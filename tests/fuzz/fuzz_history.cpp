// SPDX-License-Identifier: GPL-3.0-or-later
// The history file as a change finds it, and the line that change adds: the
// input is the file's bytes, then NUL-separated the login, action, score and
// name saved, score and name replaced.
#include "fuzz_checks.h"
#include "records/record_history.h"
#include "scratch_record.h"

using namespace orvetta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzz::split({reinterpret_cast<const char*>(data), size}, '\0', 7);
    const std::string_view history = parts[0];
    const std::string line = historyLine(1700000000, parts[1], parts[2], {std::string(parts[3]), std::string(parts[4])},
                                         {std::string(parts[5]), std::string(parts[6])});
    // One line, of seven fields of plain text.
    FUZZ_CHECK(line.ends_with('\n') && line.find('\n') == line.size() - 1);
    const auto fields = fuzz::split(std::string_view(line).substr(0, line.size() - 1), '\t');
    FUZZ_CHECK(fields.size() == 7);
    for (const std::string_view field : fields)
        FUZZ_CHECK(plainText(field) == field);

    // The whole lines, then what stays of them when there is no room for the line.
    const std::string_view whole = wholeLines(history);
    FUZZ_CHECK(history.starts_with(whole) && (whole.empty() || whole.ends_with('\n')));
    FUZZ_CHECK(history.substr(whole.size()).find('\n') == std::string_view::npos);
    // A line as large as leaves room for only about half of these lines.
    const std::string trimmed = trimmedHistory(whole, maxHistoryBytes / 2 - whole.size() / 2);
    // Whole lines of the history, in their order: each a line of it after the one before.
    const auto kept = fuzz::split(trimmed, '\n');
    std::size_t found = 0;
    for (const std::string_view one : fuzz::split(whole, '\n'))
        found += found < kept.size() && kept[found] == one;
    FUZZ_CHECK(found == kept.size() && (trimmed.empty() || trimmed.ends_with('\n')));

    // The same on the file, twice: the second time finds the line there. For
    // one input in four the file starts with a filler's lines up to the limit,
    // so that it is trimmed.
    std::string filler;
    for (const std::string one = historyLine(1, "filler", "save", {"1\r\n", "F\r\n"}, {});
         size % 4 == 1 && filler.size() + one.size() + history.size() <= maxHistoryBytes;)
        filler += one;
    if (filler.size() + history.size() > maxHistoryBytes)
        return 0;
    fuzz::putFile("fraprod.history", filler + std::string(history));
    ProtectedRecordFiles files(fuzz::scratchDirectory(), fuzz::scratchOwner);
    const std::string before = filler + std::string(whole);
    const bool full = before.size() + line.size() > maxHistoryBytes;
    const std::string expected =
        endsWithLine(before, line) ? before : (full ? trimmedHistory(before, line.size()) : before) + line;
    FUZZ_CHECK(expected.size() <= maxHistoryBytes);
    for (int time = 0; time < 2; ++time) {
        FUZZ_CHECK(!files.appendHistory(line));
        FUZZ_CHECK(files.history().value == expected);
    }
    return 0;
}
