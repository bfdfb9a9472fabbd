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

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace orvetta;

namespace {

void emptyKeptDirectory()
{
    for (const auto& entry : std::filesystem::directory_iterator(fuzz::scratchDirectory() + "/fraprod.kept"))
        if (const std::string name = entry.path().filename(); name[0] != '.' || name.starts_with(".new-"))
            std::filesystem::remove(entry.path());
}

std::string fileOf(const char* name)
{
    std::ifstream file(fuzz::scratchDirectory() + '/' + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    std::string input;
    bool root = false;
    std::map<char, std::string> files{{'s', {}}, {'h', {}}, {'j', {}}, {'H', {}}};
    std::vector<std::string> waiting;
    for (std::size_t at = 0; at + 2 <= size;) {
        const char tag = static_cast<char>(data[at]);
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        const std::string bytes(reinterpret_cast<const char*>(data + at + 2), length);
        at += 2 + length;
        if (tag == 'a')
            arguments.push_back(bytes);
        else if (tag == 'i')
            input += bytes;
        else if (tag == 'r')
            root = true;
        else if (tag == 'k')
            waiting.push_back(bytes);
        else if (files.count(tag))
            files[tag] += bytes;
    }
    fuzz::putFile("fraprod.txt", files['s'], 0664);
    fuzz::putFile("fraprod1.txt", files['h'], 0664);
    fuzz::putFile("fraprod.journal", files['j']);
    fuzz::putFile("fraprod.history", files['H']);
    fuzz::putFile("fraprod.lock", {});
    emptyKeptDirectory();
    for (std::size_t i = 0; i < waiting.size(); ++i)
        fuzz::putFile("fraprod.kept/user-" + std::to_string(4000 + i), waiting[i], 0640);

    const HelperCaller caller = root ? HelperCaller{0, "root"} : HelperCaller{4242, "martina"};
    const HelperReply reply = runRecordHelper(arguments, caller, fuzz::scratchDirectory(), fuzz::scratchOwner(),
                                              [&] { return std::optional<std::string>(input); });

    const int status = reply.status;
    FUZZ_CHECK(status == 0 || status == 64 || status == 65 || status == 66 || status == 74 || status == 75
               || status == 77);
    FUZZ_CHECK(status == 0 ? reply.errors.empty() : !reply.errors.empty() && reply.output.empty());
    if (status == 0 && arguments.front() == "read")
        FUZZ_CHECK(unframePair(reply.output).has_value());
    if (status == 0 && arguments.front() == "save" && reply.output == "saved\n") {
        // A save writes a score of 0 to 32767 and a name that is text.
        FUZZ_CHECK(scoreLine(arguments[1]) == fileOf("fraprod.txt"));
        FUZZ_CHECK(fuzz::isPlainLine(fileOf("fraprod1.txt")));
        FUZZ_CHECK(fileOf("fraprod.journal").empty());
    }
    return 0;
}
