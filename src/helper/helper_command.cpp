// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper/helper_command.h"

#include "records/record_journal.h"
#include "records/reset_report.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace orvetta {
namespace {

constexpr int usageStatus = 64;
constexpr int notAllowedStatus = 77;

HelperReply refusal(const StoreProblem& problem)
{
    return {static_cast<int>(problem.kind),
            {},
            (problem.path.empty() ? "orvetta-record" : problem.path) + ": " + problem.reason + '\n'};
}

// Only the record's owner may change the directory: otherwise whoever can
// plant files in it could make the helper write where they like.
StoreProblem checkDirectory(const std::string& directory, StoreOwner owner)
{
    struct stat info = {};
    if (::lstat(directory.c_str(), &info) != 0)
        return {directory, std::strerror(errno), StoreFailure::Unusable};
    if (!S_ISDIR(info.st_mode) || info.st_uid != owner.uid || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {directory, "non è una cartella che solo root può modificare", StoreFailure::Unusable};
    return {};
}

HelperReply answer(std::string output, bool outputIsTheResult)
{
    return {0, std::move(output), {}, outputIsTheResult};
}

} // namespace

HelperReply runRecordHelper(const std::vector<std::string>& arguments, const HelperCaller& caller,
                            const std::string& directory, StoreOwner owner,
                            const std::function<std::optional<std::string>()>& readName)
{
    const std::string command = arguments.empty() ? "" : arguments.front();
    const bool forKeepers = command == "history" || command == "reset";
    const std::size_t count = arguments.size();
    if (!((command == "read" && count == 1) || (command == "save" && count == 2) || (forKeepers && count == 1)))
        return {usageStatus,
                {},
                "usage: orvetta-record read | orvetta-record save SCORE < name\n"
                "       orvetta-record history | orvetta-record reset   (root and teachers only)\n"};
    const std::string note = forKeepers && !caller.keepersNote.empty() ? caller.keepersNote + '\n' : "";
    if (forKeepers && !caller.keepsRecord)
        return {notAllowedStatus,
                {},
                (caller.keepersGroup.empty()
                     ? "orvetta-record: solo root può usare «"
                     : "orvetta-record: solo root e i membri del gruppo " + caller.keepersGroup + " possono usare «")
                    + command + "»\n" + note};
    if (const StoreProblem problem = checkDirectory(directory, owner))
        return refusal(problem);
    ProtectedRecordFiles files(directory, owner);

    if (command == "read") {
        const auto record = readRecord(files);
        return record ? answer(framePair(*record.value), true) : refusal(record.problem);
    }
    if (command == "history") {
        const auto history = files.history();
        HelperReply reply = history ? answer(*history.value, true) : refusal(history.problem);
        reply.errors += note;
        return reply;
    }
    if (command == "reset") {
        const ResetOutcome reset = resetRecord(files, caller.login);
        std::string said;
        for (const EndedHolder& holder : reset.ended)
            said += endedProcessLine(holder);
        if (reset.waitsFor)
            said += waitingResetLine(*reset.waitsFor);
        HelperReply reply = reset.problem ? refusal(reset.problem) : answer({}, false);
        reply.output = said;
        reply.errors += note;
        return reply;
    }
    const auto name = readName();
    if (!name)
        return refusal({"orvetta-record", "il nome non si può leggere", StoreFailure::Io});
    const auto saved = saveRecord(files, arguments[1], *name, caller.login);
    if (!saved)
        return refusal(saved.problem);
    return answer(*saved.value == SaveVerdict::Saved  ? "saved\n"
                  : *saved.value == SaveVerdict::Kept ? "kept\n"
                                                      : "not a record\n",
                  false);
}

} // namespace orvetta
