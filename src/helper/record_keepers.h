// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

// Who may read the record's history and reset it besides root: the members
// of one group (a school's teachers), named by the administrator in a file
// that only root may change. The file holds `teachers=GROUP`; comments start
// with '#'. No file, an empty name or a group that does not exist: root only.
namespace orvetta {

struct RecordKeepers {
    std::optional<gid_t> group;
    std::string groupName;
    // Why the file was not trusted, or what it names cannot be used; empty
    // when all is well or there is no file.
    std::string note;
};

// Trusted only as a regular file, not a link, that root owns and nobody
// else may write, in a directory of the same kind.
RecordKeepers readRecordKeepers(const std::string& path);

// Whether the caller is in `group`, by the real group list the kernel gave
// this process, never by anything the caller can pass.
bool callerIsInGroup(gid_t group);

} // namespace orvetta
