// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// What each target defines, for libFuzzer or replay.cpp to call.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A rule the code under test must keep, whatever its input: a broken one
// ends the run with a report, as a sanitizer's would.
#define FUZZ_CHECK(rule)                                                                                               \
    do {                                                                                                               \
        if (!(rule)) {                                                                                                 \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #rule);                               \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace orvetta::fuzz {

// The parts of `text` between separators: with a `count`, the last of that
// many parts holds the rest, and the parts missing are empty.
inline std::vector<std::string_view> split(std::string_view text, char separator, std::size_t count = 0)
{
    std::vector<std::string_view> parts;
    for (std::size_t end; parts.size() + 1 != count && (end = text.find(separator)) != text.npos;
         text.remove_prefix(end + 1))
        parts.push_back(text.substr(0, end));
    parts.push_back(text);
    parts.resize(std::max(parts.size(), count));
    return parts;
}

// The file's bytes; none for a file that cannot be read.
inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// A record line as a save writes it: plain text, then CR LF, and no other line end.
inline bool isPlainLine(std::string_view line)
{
    const std::string_view text = line.substr(0, line.size() - std::min<std::size_t>(line.size(), 2));
    return line.ends_with("\r\n") && line.find_first_of("\r\n") == text.size() && plainText(text) == text;
}

} // namespace orvetta::fuzz
