// SPDX-License-Identifier: GPL-3.0-or-later
// The history file as a change finds it, and the line that change adds: the
// input is the file's bytes, then NUL-separated the login, action, score and
// name saved, score and name replaced.
#include "fuzz_checks.h"
#include "records/record_history.h"
#include "scratch_record.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace orvetta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string_view> parts;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t end; parts.size() < 6 && (end = rest.find('\0')) != std::string_view::npos;
         rest.remove_prefix(end + 1))
        parts.push_back(rest.substr(0, end));
    parts.push_back(rest);
    parts.resize(7);
    const std::string_view history = parts[0];
    const std::string line = historyLine(1700000000, parts[1], parts[2], {std::string(parts[3]), std::string(parts[4])},
                                         {std::string(parts[5]), std::string(parts[6])});
    // One line, of seven fields of plain text.
    FUZZ_CHECK(line.ends_with('\n') && line.find('\n') == line.size() - 1);
    FUZZ_CHECK(std::count(line.begin(), line.end(), '\t') == 6);
    std::string_view fields = std::string_view(line).substr(0, line.size() - 1);
    for (std::size_t tab; (tab = fields.find('\t')) != std::string_view::npos; fields.remove_prefix(tab + 1))
        FUZZ_CHECK(plainText(fields.substr(0, tab)) == fields.substr(0, tab));
    FUZZ_CHECK(plainText(fields) == fields);

    // The whole lines, then what stays of them when there is no room for the line.
    const std::string_view whole = wholeLines(history);
    FUZZ_CHECK(history.starts_with(whole) && (whole.empty() || whole.ends_with('\n')));
    FUZZ_CHECK(history.substr(whole.size()).find('\n') == std::string_view::npos);
    // A line as large as leaves room for only about half of these lines.
    const std::string trimmed = trimmedHistory(whole, maxHistoryBytes / 2 - whole.size() / 2);
    // Whole lines of the history, in their order.
    const std::string lines = '\n' + std::string(whole);
    for (std::size_t start = 0, end, at = 0; start < trimmed.size(); start = end + 1) {
        end = trimmed.find('\n', start);
        FUZZ_CHECK(end != std::string::npos);
        at = lines.find('\n' + trimmed.substr(start, end + 1 - start), at);
        FUZZ_CHECK(at != std::string::npos);
        at += end + 1 - start; // at the line's own end, which starts the next
    }
    FUZZ_CHECK(trimmed.size() <= whole.size());

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
    ProtectedRecordFiles files(fuzz::scratchDirectory(), fuzz::scratchOwner());
    const std::string before = filler + std::string(whole);
    const bool full = before.size() + line.size() > maxHistoryBytes;
    const std::string expected =
        endsWithLine(before, line) ? before : (full ? trimmedHistory(before, line.size()) : before) + line;
    FUZZ_CHECK(expected.size() <= maxHistoryBytes);
    for (int time = 0; time < 2; ++time) {
        FUZZ_CHECK(!files.appendHistory(line));
        const auto written = files.history();
        FUZZ_CHECK(written && *written.value == expected);
    }
    return 0;
}
