// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/posix/lock_holder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace orvetta {
namespace {

struct flock byteRange(short type, off_t byte)
{
    struct flock range = {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = byte;
    range.l_len = 1;
    return range;
}

// A process that ends while its file is read fails the read (ESRCH), which
// the stream keeps to itself: what was read, maybe nothing.
std::string procText(pid_t pid, const char* file)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isStopped(pid_t pid)
{
    const std::string text = procText(pid, "stat");
    const std::size_t nameEnd = text.rfind(')'); // the command name may hold anything, ')' included
    return nameEnd != std::string::npos && nameEnd + 2 < text.size()
           && (text[nameEnd + 2] == 'T' || text[nameEnd + 2] == 't');
}

std::optional<uid_t> realUidOf(pid_t pid)
{
    std::istringstream status(procText(pid, "status"));
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Uid:")) {
            std::istringstream ids(line.substr(4));
            unsigned long long uid = 0;
            if (ids >> uid)
                return static_cast<uid_t>(uid);
        }
    }
    return std::nullopt;
}

// The lock that another process holds on `byte`; l_type F_UNLCK when none.
struct flock probe(int lockFile, off_t byte)
{
    struct flock range = byteRange(F_WRLCK, byte);
    if (::fcntl(lockFile, F_GETLK, &range) != 0)
        range.l_type = F_UNLCK;
    return range;
}

std::optional<pid_t> holderPid(int lockFile, off_t byte)
{
    const struct flock held = probe(lockFile, byte);
    // A holder in another pid namespace shows as 0: nothing to act on.
    if (held.l_type == F_UNLCK || held.l_pid <= 0)
        return std::nullopt;
    return held.l_pid;
}

} // namespace

bool tryLockByte(int lockFile, off_t byte)
{
    struct flock range = byteRange(F_WRLCK, byte);
    return ::fcntl(lockFile, F_SETLK, &range) == 0;
}

void unlockByte(int lockFile, off_t byte)
{
    struct flock range = byteRange(F_UNLCK, byte);
    ::fcntl(lockFile, F_SETLK, &range);
}

bool lockedByAnother(int lockFile, off_t byte)
{
    return probe(lockFile, byte).l_type != F_UNLCK;
}

std::optional<LockHolder> lockHolderOf(int lockFile, off_t byte)
{
    const auto pid = holderPid(lockFile, byte);
    if (!pid)
        return std::nullopt;
    const auto uid = realUidOf(*pid);
    if (!uid)
        return std::nullopt; // gone meanwhile
    return LockHolder{*pid, *uid, isStopped(*pid)};
}

std::optional<KilledHolder> endRecordLockHolder(int lockFile)
{
    const auto pid = holderPid(lockFile, recordLockByte);
    if (!pid)
        return std::nullopt;
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, *pid, 0));
    const auto holder = lockHolderOf(lockFile, recordLockByte);
    std::optional<KilledHolder> killed;
    // Still the holder now, so the pidfd taken before is its own.
    if (holder && holder->pid == *pid && holder->uid != 0) {
        if (pidfd >= 0) {
            if (::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0) == 0) {
                pollfd gone = {pidfd, POLLIN, 0};
                killed = KilledHolder{*holder, ::poll(&gone, 1, killedHolderWaitMs) == 1};
            }
        } else if (::kill(*pid, SIGKILL) == 0) { // a kernel, or a sandbox, without pidfds
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(killedHolderWaitMs);
            while (holderPid(lockFile, recordLockByte) == pid && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            killed = KilledHolder{*holder, holderPid(lockFile, recordLockByte) != pid};
        }
    }
    if (pidfd >= 0)
        ::close(pidfd);
    return killed;
}

} // namespace orvetta
