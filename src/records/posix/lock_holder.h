// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <sys/types.h>

// The record's lock is a POSIX record lock on one byte of the lock file: the
// kernel tells who holds it (fcntl F_GETLK) at the cost of that one file's
// locks, however many others hold on the machine, and drops it when its
// holder ends, however it ends.
namespace orvetta {

// The byte every change takes, and the one root's reset holds while it waits
// for the first, so that nobody else takes the lock meanwhile.
inline constexpr off_t recordLockByte = 0;
inline constexpr off_t resetGateByte = 1;

// False when another process holds `byte` (errno EAGAIN or EACCES) or the call fails.
bool tryLockByte(int lockFile, off_t byte);
void unlockByte(int lockFile, off_t byte);
// Whether a process other than this one holds `byte`.
bool lockedByAnother(int lockFile, off_t byte);

struct LockHolder {
    pid_t pid = 0;
    uid_t uid = 0;        // its real user
    bool stopped = false; // by a signal or a tracer: it will not let go by itself
};

// Another process's lock on `byte`, if any.
std::optional<LockHolder> lockHolderOf(int lockFile, off_t byte);

// A process killed with SIGKILL is gone within milliseconds, unless it
// cannot run at all: frozen by a cgroup v1 freezer, or stuck in the kernel.
inline constexpr int killedHolderWaitMs = 3000;

struct KilledHolder {
    LockHolder holder;
    bool gone = false; // false: still there after killedHolderWaitMs
};

// Kills the process that holds the record's lock, unless it is root's, and
// waits for it to be gone; the holder it killed. Through a pidfd, taken
// before the holder is looked up again, so that a pid reused meanwhile is
// never signalled.
std::optional<KilledHolder> endRecordLockHolder(int lockFile);

} // namespace orvetta
