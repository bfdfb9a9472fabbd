// SPDX-License-Identifier: GPL-3.0-or-later
// The record helper run in-process on a scratch record directory, with what
// its caller chooses: the command line, standard input, root or not, and
// (through any earlier fault) the bytes of every file in the directory. The
// input is a list of fields, each a tag byte, a length byte and that many
// bytes: 'a' an argument, 'i' standard input, 'r' run as root, 's', 'h',
// 'j', 'H' the score, holder, journal and history files, 'k' a waiting save.
#include "fuzz_checks.h"
#include "helper/helper_command.h"
#include "records/record_journal.h"
#include "scratch_record.h"

#include <map>
#include <numeric>
#include <set>

using namespace orvetta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::map<char, std::vector<std::string>> fields;
    for (std::size_t at = 0, length; at + 2 <= size; at += 2 + length) {
        length = std::min<std::size_t>(data[at + 1], size - at - 2);
        fields[static_cast<char>(data[at])].emplace_back(reinterpret_cast<const char*>(data + at + 2), length);
    }
    const auto all = [&](char tag) { return std::accumulate(fields[tag].begin(), fields[tag].end(), std::string()); };
    fuzz::putFile("fraprod.txt", all('s'));
    fuzz::putFile("fraprod1.txt", all('h'));
    fuzz::putFile("fraprod.journal", all('j'));
    fuzz::putFile("fraprod.history", all('H'));
    fuzz::putFile("fraprod.lock", {});
    // The waiting saves alone in a directory of the group's, as the package makes it.
    const std::string kept = fuzz::scratchDirectory() + "/fraprod.kept";
    std::filesystem::remove_all(kept);
    std::filesystem::create_directory(kept);
    std::filesystem::permissions(kept, std::filesystem::perms::owner_all | std::filesystem::perms::group_all);
    for (std::size_t i = 0; i < fields['k'].size(); ++i)
        fuzz::putFile("fraprod.kept/user-" + std::to_string(4000 + i), fields['k'][i]);

    const std::vector<std::string>& arguments = fields['a'];
    const bool root = fields.count('r') != 0;
    HelperCaller caller;
    caller.uid = root ? 0 : 4242;
    caller.login = root ? "root" : "martina";
    caller.keepsRecord = root;
    const HelperReply reply = runRecordHelper(arguments, caller, fuzz::scratchDirectory(), fuzz::scratchOwner,
                                              [&] { return std::optional<std::string>(all('i')); });

    FUZZ_CHECK((std::set{0, 64, 65, 66, 74, 75, 77}.contains(reply.status)));
    FUZZ_CHECK(reply.status == 0 ? reply.errors.empty() : !reply.errors.empty() && reply.output.empty());
    if (reply.status == 0 && arguments.front() == "read")
        FUZZ_CHECK(unframePair(reply.output).has_value());
    if (reply.status == 0 && arguments.front() == "save" && reply.output == "saved\n") {
        // A save writes a score of 0 to 32767 and a name that is text.
        const auto fileOf = [](const char* name) { return fuzz::fileBytes(fuzz::scratchDirectory() + '/' + name); };
        FUZZ_CHECK(scoreLine(arguments[1]) == fileOf("fraprod.txt"));
        FUZZ_CHECK(fuzz::isPlainLine(fileOf("fraprod1.txt")));
        FUZZ_CHECK(fileOf("fraprod.journal").empty());
    }
    return 0;
}
