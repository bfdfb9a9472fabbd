// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

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

// A record line as a save writes it: plain text, then CR LF, and no other line end.
inline bool isPlainLine(std::string_view line)
{
    const std::string_view text = line.substr(0, line.size() - std::min<std::size_t>(line.size(), 2));
    return line.ends_with("\r\n") && line.find_first_of("\r\n") == text.size() && plainText(text) == text;
}

} // namespace orvetta::fuzz
