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

namespace {

std::vector<std::string_view> split(std::string_view text, std::size_t count)
{
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t end = text.find('\0');
        parts.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    parts.push_back(text);
    return parts;
}

void checkLine(std::string_view line)
{
    FUZZ_CHECK(line.ends_with('\n') && line.find('\n') == line.size() - 1);
    FUZZ_CHECK(std::count(line.begin(), line.end(), '\t') == 6);
    std::string_view fields = line.substr(0, line.size() - 1);
    for (std::size_t tab; (tab = fields.find('\t')) != std::string_view::npos; fields.remove_prefix(tab + 1))
        FUZZ_CHECK(plainText(fields.substr(0, tab)) == fields.substr(0, tab));
    FUZZ_CHECK(plainText(fields) == fields);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = split(std::string_view(reinterpret_cast<const char*>(data), size), 7);
    const std::string_view history = parts[0];
    const std::string line = historyLine(1700000000, parts[1], parts[2], {std::string(parts[3]), std::string(parts[4])},
                                         {std::string(parts[5]), std::string(parts[6])});
    checkLine(line);

    // The whole lines, then what stays of them before the line is added.
    const std::string_view whole = wholeLines(history);
    FUZZ_CHECK(history.starts_with(whole) && (whole.empty() || whole.ends_with('\n')));
    FUZZ_CHECK(history.substr(whole.size()).find('\n') == std::string_view::npos);
    const std::string_view kept = linesKeptBefore(whole, line.size());
    FUZZ_CHECK(whole.ends_with(kept));
    const std::size_t from = whole.size() - kept.size();
    FUZZ_CHECK(from == 0 || whole[from - 1] == '\n');
    if (from > 0) // trimmed: it fits, and the copy to the front never overwrites what it copies
        FUZZ_CHECK(kept.size() + line.size() <= maxHistoryBytes / 2 && kept.size() <= from);

    // The same on the file, twice: the second time finds the line there.
    if (history.size() > maxHistoryBytes)
        return 0;
    fuzz::putFile("fraprod.history", history);
    PosixRecordFiles files(fuzz::scratchDirectory(), fuzz::scratchOwner());
    const std::string expected = std::string(endsWithLine(whole, line) ? whole : std::string(kept) + line);
    for (int time = 0; time < 2; ++time) {
        FUZZ_CHECK(!files.appendHistory(line));
        const auto written = files.history();
        FUZZ_CHECK(written && *written.value == expected);
    }
    return 0;
}
