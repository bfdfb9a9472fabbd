// SPDX-License-Identifier: GPL-3.0-or-later
// A waiting save's bytes, as the next holder of the lock or a reader finds
// them: the input as it comes, and with the check line that makes it whole.
#include "fuzz_checks.h"
#include "records/record_journal.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace orvetta;

namespace {

void check(std::string_view entry)
{
    const auto save = decodeKeptSave(entry);
    if (!save)
        return;
    // Nothing but the bytes a save writes decodes, and they decode to what was kept.
    FUZZ_CHECK(encodeKeptSave(*save) == entry);
    FUZZ_CHECK(save->when >= 0 && plainText(save->saver) == save->saver);
    FUZZ_CHECK(fuzz::isPlainLine(save->pair.holder));
    FUZZ_CHECK(scoreLine(save->pair.score.substr(0, save->pair.score.size() - 2)) == save->pair.score);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input's own bytes first, where a read past them is caught.
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    check(body);
    check(std::string(body) + checkLine(body));
    return 0;
}
