// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/posix/record_files_posix.h"

#include "records/posix/lock_holder.h"
#include "records/posix/posix_files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace orvetta {
namespace {

constexpr std::string_view keptDirectoryName = "fraprod.kept";
// In it, for each player by user id: their waiting save, the one the holder
// of the lock is applying, their own lock, and the one being written.
constexpr std::string_view waitingPrefix = "user-";
constexpr std::string_view applyingPrefix = "applying-";
constexpr std::string_view userLockPrefix = "lock-";
constexpr std::string_view unfinishedPrefix = ".new-";
// Saves kept by earlier versions, applied like the others.
constexpr std::string_view legacyKeptPrefix = "save-";
// After the user id, in the names of a player's waiting reset.
constexpr std::string_view resetSuffix = "-reset";
// Far beyond any entry a save writes.
constexpr long long maxKeptEntryBytes = 16 * 1024;

std::string loginOf(uid_t uid)
{
    const passwd* entry = ::getpwuid(uid);
    return entry ? std::string(entry->pw_name) : "uid " + std::to_string(uid);
}

} // namespace

PosixRecordFiles::PosixRecordFiles(std::string directory, std::optional<StoreOwner> protectedBy)
    : directory_(std::move(directory)),
      owner_(protectedBy)
{
}

PosixRecordFiles::~PosixRecordFiles()
{
    closeLockFile();
}

std::string PosixRecordFiles::pathOf(const std::string& name) const
{
    return directory_ + '/' + name;
}

std::string PosixRecordFiles::pathOf(StoreFile file) const
{
    switch (file) {
    case StoreFile::Score: return pathOf(std::string(scoreFileName));
    case StoreFile::Holder: return pathOf(std::string(holderFileName));
    case StoreFile::Journal: break;
    }
    return pathOf(std::string(journalFileName));
}

StoreProblem PosixRecordFiles::openLockFile()
{
    if (lock_ >= 0)
        return {};
    auto opened = openChecked(pathOf(std::string(lockFileName)), O_RDWR, modeOf(StoreFile::Journal), owner_);
    if (!opened)
        return opened.problem;
    lock_ = *opened.value;
    lockFileOpened();
    return {};
}

void PosixRecordFiles::closeLockFile()
{
    // Closing it lets go of every lock this process holds on it.
    if (lock_ >= 0)
        ::close(std::exchange(lock_, -1));
    locked_ = false;
}

StoreProblem PosixRecordFiles::lock(std::chrono::milliseconds wait)
{
    const std::string path = pathOf(std::string(lockFileName));
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (int tries = 0;; ++tries) {
        if (StoreProblem problem = openLockFile())
            return problem;
        if (lockedByAnother(lock_, resetGateByte))
            return {path, "il record si sta azzerando", StoreFailure::Busy};
        if (tryLockByte(lock_, recordLockByte)) {
            // Someone who may write the directory can replace the lock file
            // while we wait; a lock on the old one keeps nobody out.
            struct stat held = {}, current = {};
            if (::fstat(lock_, &held) == 0 && ::lstat(path.c_str(), &current) == 0 && held.st_dev == current.st_dev
                && held.st_ino == current.st_ino) {
                locked_ = true;
                lockTaken();
                return {};
            }
            closeLockFile();
            continue;
        }
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return problemAt(path, errno);
        if (std::chrono::steady_clock::now() > giveUp)
            return {path, "un'altra partita sta salvando il record da troppo tempo", StoreFailure::Busy};
        // A stopped holder may never let go: no use waiting for it.
        if (tries % 20 == 0)
            if (const auto holder = lockHolderOf(lock_, recordLockByte); holder && holder->stopped)
                return {path, "il programma che sta salvando il record è fermo", StoreFailure::Busy};
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void PosixRecordFiles::unlock()
{
    if (lock_ < 0)
        return;
    unlockByte(lock_, recordLockByte);
    unlockByte(lock_, resetGateByte);
    locked_ = false;
}

StoreProblem PosixRecordFiles::keepOthersOut(std::chrono::milliseconds wait)
{
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (StoreProblem problem = openLockFile())
            return problem;
        if (tryLockByte(lock_, resetGateByte))
            return {};
        if (std::chrono::steady_clock::now() > giveUp)
            return {pathOf(std::string(lockFileName)), "un altro azzeramento del record è in corso",
                    StoreFailure::Busy};
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::optional<EndedHolder> PosixRecordFiles::endLockHolder()
{
    if (openLockFile())
        return std::nullopt;
    const auto killed = endRecordLockHolder(lock_);
    if (!killed)
        return std::nullopt;
    return EndedHolder{killed->holder.pid, loginOf(killed->holder.uid), killed->gone};
}

std::optional<EndedHolder> PosixRecordFiles::lockHolder()
{
    if (openLockFile())
        return std::nullopt;
    const auto holder = lockHolderOf(lock_, recordLockByte);
    if (!holder)
        return std::nullopt;
    return EndedHolder{holder->pid, loginOf(holder->uid), false};
}

StoreResult<std::string> PosixRecordFiles::read(StoreFile file)
{
    const std::string path = pathOf(file);
    auto opened = openChecked(path, O_RDONLY, modeOf(file), owner_);
    if (!opened)
        return {std::nullopt, opened.problem};
    Descriptor fd(*opened.value);
    return readAll(fd.get(), path, maxRecordFileBytes);
}

bool PosixRecordFiles::keptDirectoryMissing() const
{
    struct stat info = {};
    return ::lstat(pathOf(std::string(keptDirectoryName)).c_str(), &info) != 0 && errno == ENOENT;
}

StoreResult<int> PosixRecordFiles::openKeptDirectory(bool createWhenMissing)
{
    const std::string path = pathOf(std::string(keptDirectoryName));
    // Only the open layout makes it: a protected one is laid out by root.
    if (createWhenMissing && !owner_ && ::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return {std::nullopt, problemAt(path, errno)};
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0)
        return {std::nullopt, problemAt(path, errno, StoreFailure::Unusable)};
    struct stat info = {};
    if (::fstat(fd.get(), &info) != 0)
        return {std::nullopt, problemAt(path, errno)};
    // Others could read what is kept, or plant a save of their own.
    if (owner_ && (info.st_uid != owner_->uid || info.st_gid != owner_->gid || (info.st_mode & S_IRWXO) != 0))
        return {std::nullopt, {path, "non è una cartella del solo gruppo del record", StoreFailure::Unusable}};
    return {fd.release(), {}};
}

namespace {

// The names in the kept saves' directory that start with one of `prefixes`, sorted.
std::vector<std::string> namesIn(int directory, std::initializer_list<std::string_view> prefixes)
{
    std::vector<std::string> names;
    DIR* listing = ::fdopendir(::dup(directory));
    if (!listing)
        return names;
    ::rewinddir(listing); // the duplicate shares its offset with every earlier listing
    while (const dirent* item = ::readdir(listing)) {
        const std::string_view name = item->d_name;
        if (std::any_of(prefixes.begin(), prefixes.end(), [&](std::string_view p) { return name.starts_with(p); }))
            names.emplace_back(name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

StoreResult<bool> PosixRecordFiles::keep(const std::string& entry, const std::function<bool(std::string_view)>& stands,
                                         KeptKind kind)
{
    const std::string directory = pathOf(std::string(keptDirectoryName));
    // A layout without the place: the save fails as the lock did.
    if (owner_ && keptDirectoryMissing())
        return {std::nullopt, {{}, {}, StoreFailure::Busy}};
    auto opened = openKeptDirectory(true);
    if (!opened)
        return {std::nullopt, opened.problem};
    Descriptor dir(*opened.value);
    const std::string user = std::to_string(::getuid());

    // The player's own lock, so that two of their games keeping at once
    // cannot lose the better save; a player who stops one holds up only their own.
    const std::string lockName = std::string(userLockPrefix) + user;
    Descriptor own(
        ::openat(dir.get(), lockName.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    struct stat info = {};
    if (own.get() < 0 || ::fstat(own.get(), &info) != 0)
        return {std::nullopt, problemAt(directory + '/' + lockName, errno)};
    if (!S_ISREG(info.st_mode))
        return {std::nullopt, {directory + '/' + lockName, "non è un file regolare", StoreFailure::Unusable}};
    const auto giveUp = std::chrono::steady_clock::now() + saveLockWait;
    while (::flock(own.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp)
            return {std::nullopt,
                    {directory, "un'altra tua partita sta già mettendo da parte un record", StoreFailure::Busy}};
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    const std::string slot = user + std::string(kind == KeptKind::Reset ? resetSuffix : "");
    const std::string waitingName = std::string(waitingPrefix) + slot;
    Descriptor waiting(::openat(dir.get(), waitingName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (waiting.get() >= 0 && ::fstat(waiting.get(), &info) == 0 && S_ISREG(info.st_mode))
        if (const auto older = readAll(waiting.get(), waitingName, maxKeptEntryBytes); older && stands(*older.value))
            return {false, {}};

    // Written whole under a name of the player's own, then renamed into place.
    const std::string unfinished = std::string(unfinishedPrefix) + slot;
    Descriptor fd(
        ::openat(dir.get(), unfinished.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0640));
    // Readable by the group: the next holder of the lock may be another player's helper.
    const bool written = fd.get() >= 0 && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1
                         && ::ftruncate(fd.get(), 0) == 0 && writeAll(fd.get(), entry) && ::fchmod(fd.get(), 0640) == 0
                         && ::fsync(fd.get()) == 0
                         && ::renameat(dir.get(), unfinished.c_str(), dir.get(), waitingName.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlinkat(dir.get(), unfinished.c_str(), 0);
        return {std::nullopt, problemAt(directory, error)};
    }
    ::fsync(dir.get());
    return {true, {}};
}

StoreResult<std::vector<KeptEntry>> PosixRecordFiles::readKept(int dir, std::vector<std::string> names)
{
    // Oldest first, by when each was written: renaming keeps that.
    std::vector<std::pair<std::timespec, std::string>> written;
    for (std::string& name : names) {
        struct stat info = {};
        if (::fstatat(dir, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return {std::nullopt, {name, std::strerror(errno), StoreFailure::Io}}; // moved meanwhile
        written.emplace_back(info.st_mtim, std::move(name));
    }
    std::sort(written.begin(), written.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.tv_sec, a.first.tv_nsec, a.second)
               < std::tie(b.first.tv_sec, b.first.tv_nsec, b.second);
    });
    std::vector<KeptEntry> entries;
    for (const auto& [when, name] : written) {
        KeptEntry entry{name, {}};
        // Anything that is not a single regular file of the group is kept as
        // an empty entry, which is only forgotten.
        Descriptor fd(::openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.get() < 0 && errno == ENOENT)
            return {std::nullopt, {name, std::strerror(ENOENT), StoreFailure::Io}}; // moved meanwhile
        struct stat info = {};
        if (fd.get() >= 0 && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1
            && (!owner_ || info.st_gid == owner_->gid))
            if (auto bytes = readAll(fd.get(), name, maxKeptEntryBytes))
                entry.bytes = std::move(*bytes.value);
        entries.push_back(std::move(entry));
    }
    return {std::move(entries), {}};
}

StoreResult<std::vector<KeptEntry>> PosixRecordFiles::kept()
{
    if (keptDirectoryMissing())
        return {std::vector<KeptEntry>{}, {}}; // nothing was ever kept here
    auto opened = openKeptDirectory(false);
    if (!opened)
        return {std::nullopt, opened.problem};
    Descriptor dir(*opened.value);
    // Whoever holds the lock may be taking saves over meanwhile: look again.
    for (int attempt = 0;; ++attempt) {
        auto entries = readKept(dir.get(), namesIn(dir.get(), {waitingPrefix, applyingPrefix, legacyKeptPrefix}));
        if (entries || attempt == 5)
            return entries;
    }
}

StoreResult<std::vector<KeptEntry>> PosixRecordFiles::claimKept()
{
    if (keptDirectoryMissing())
        return {std::vector<KeptEntry>{}, {}};
    auto opened = openKeptDirectory(false);
    if (!opened)
        return {std::nullopt, opened.problem};
    Descriptor dir(*opened.value);
    const auto stale = std::chrono::system_clock::now() - std::chrono::minutes(1);
    for (const std::string& name : namesIn(dir.get(), {unfinishedPrefix})) {
        struct stat info = {};
        if (::fstatat(dir.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0
            && std::chrono::system_clock::from_time_t(info.st_mtime) < stale)
            ::unlinkat(dir.get(), name.c_str(), 0); // left by a save killed while it wrote
    }
    const auto claimed = namesIn(dir.get(), {applyingPrefix});
    for (const std::string& name : namesIn(dir.get(), {waitingPrefix})) {
        const std::string applying = std::string(applyingPrefix) + name.substr(waitingPrefix.size());
        // One left by a holder that was killed is applied first; this one waits for the next holder.
        if (std::find(claimed.begin(), claimed.end(), applying) == claimed.end()
            && ::renameat(dir.get(), name.c_str(), dir.get(), applying.c_str()) != 0)
            return {std::nullopt, problemAt(pathOf(std::string(keptDirectoryName)) + '/' + name, errno)};
    }
    ::fsync(dir.get());
    return readKept(dir.get(), namesIn(dir.get(), {applyingPrefix, legacyKeptPrefix}));
}

StoreProblem PosixRecordFiles::forget(const std::string& id)
{
    if (id.find('/') != std::string::npos || !(id.starts_with(applyingPrefix) || id.starts_with(legacyKeptPrefix)))
        return {id, "non è un record in attesa", StoreFailure::BadInput};
    auto opened = openKeptDirectory(false);
    if (!opened)
        return opened.problem;
    Descriptor dir(*opened.value);
    if (::unlinkat(dir.get(), id.c_str(), 0) != 0 && errno != ENOENT)
        return problemAt(pathOf(std::string(keptDirectoryName)) + '/' + id, errno);
    ::fsync(dir.get());
    return {};
}

} // namespace orvetta
