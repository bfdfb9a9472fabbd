// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <sys/types.h>

namespace orvetta {

// The process that holds a flock(2) lock on a file, as Linux shows it to
// everyone in /proc/locks.
struct LockHolder {
    pid_t pid = 0;
    uid_t uid = 0;        // its real user
    bool stopped = false; // by a signal or a tracer: it will not let go by itself
};

std::optional<LockHolder> lockHolderOf(dev_t device, ino_t inode);

} // namespace orvetta
