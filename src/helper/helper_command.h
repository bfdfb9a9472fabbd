// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/posix/protected_record_files.h"

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// What orvetta-record does with its command line and its standard input,
// apart from the process it runs in, so that it can also be run in-process
// on a scratch directory:
//   read          both files, framed as "<size> <size>\n" and the bytes
//   save SCORE    the holder's name from `readName`; "saved", "not a record",
//                 or "kept" when the lock stayed taken
// and, for root and the record's keepers (record_keepers.h) only:
//   history       the history of changes to the record
//   reset         empties the record, ending whoever holds the lock and
//                 does not let go, where it may; otherwise the reset waits
//                 beside the record, which reads as empty from then on
// Problems are "path: reason" lines, with a status that tells their kind.
namespace orvetta {

// Who runs it, from the real uid and groups, which the caller cannot choose.
struct HelperCaller {
    uid_t uid = 0;
    std::string login;
    bool keepsRecord = false; // root, or in the keepers' group
    std::string keepersGroup; // that group's name, when there is one
    std::string keepersNote;  // why the keepers' file was not trusted, if so
};

struct HelperReply {
    int status = 0;
    std::string output; // for standard output
    std::string errors; // for standard error
    // A read or a history that cannot be printed failed; a save that
    // happened did, whether or not it can say so.
    bool outputIsTheResult = false;
};

// `arguments` without the program's name. The record directory must belong
// to `owner`'s user and be writable by nobody else; `readName` is called for
// a save only, and gives nothing when standard input cannot be read.
HelperReply runRecordHelper(const std::vector<std::string>& arguments, const HelperCaller& caller,
                            const std::string& directory, StoreOwner owner,
                            const std::function<std::optional<std::string>()>& readName);

} // namespace orvetta
