// SPDX-License-Identifier: GPL-3.0-or-later
// A journal's bytes, a trimmed history's or a waiting save's, as the next
// holder of the lock or a reader finds them: the input as it comes, and with
// the check line that makes it whole.
#include "fuzz_checks.h"
#include "records/record_journal.h"

using namespace orvetta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input's own bytes first, where a read past them is caught.
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const std::string whole = std::string(body) + checkLine(body);
    for (const std::string_view journal : {body, std::string_view(whole)}) {
        for (const NameEncoding encoding : {NameEncoding::Utf8, NameEncoding::AnsiCodePage}) {
            const auto change = decodeJournal(journal, encoding);
            if (!change)
                continue;
            // What a journal finishes is what a save could have written, and nothing
            // but that journal decodes to it (one of earlier versions has no line).
            FUZZ_CHECK(change->historyLine.empty() || encodeJournal(*change) == journal);
            FUZZ_CHECK(change->historyLine.find('\n') + 1 == change->historyLine.size());
            FUZZ_CHECK(change->pair == RecordPair{}
                       || scoreLine(change->pair.score.substr(0, change->pair.score.size() - 2)));
            if (encoding == NameEncoding::Utf8 && change->pair != RecordPair{})
                FUZZ_CHECK(fuzz::isPlainLine(change->pair.holder));
        }
        if (const auto lines = decodeTrimmedHistory(journal))
            FUZZ_CHECK(encodeTrimmedHistory(*lines) == journal);
        // Nothing but the bytes a save writes decodes as a waiting save, and to what was kept.
        if (const auto save = decodeKeptSave(journal)) {
            FUZZ_CHECK(encodeKeptSave(*save) == journal);
            FUZZ_CHECK(save->when >= 0 && plainText(save->saver) == save->saver);
            FUZZ_CHECK(fuzz::isPlainLine(save->pair.holder));
            FUZZ_CHECK(scoreLine(save->pair.score.substr(0, save->pair.score.size() - 2)) == save->pair.score);
        }
    }
    return 0;
}
