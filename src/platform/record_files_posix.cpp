// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/record_files.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace orvetta {
namespace {

constexpr std::string_view lockFileName = "fraprod.lock";
constexpr std::string_view journalFileName = "fraprod.journal";

StoreProblem problemAt(const std::string& path, int error, StoreFailure kind = StoreFailure::Io)
{
    if (error == ELOOP)
        return {path, "è un collegamento simbolico, non un file", StoreFailure::Unusable};
    return {path, std::strerror(error), kind};
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const std::string& directory)
{
    Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

mode_t modeOf(StoreFile file, bool isProtected)
{
    if (!isProtected)
        return 0644;
    return file == StoreFile::Journal ? 0660 : 0664;
}

} // namespace

PosixRecordFiles::PosixRecordFiles(std::string directory, std::optional<StoreOwner> protectedBy)
    : directory_(std::move(directory)), owner_(protectedBy)
{
}

PosixRecordFiles::~PosixRecordFiles()
{
    unlock();
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

namespace {

StoreResult<int> cannotCreate(const std::string& path, int error)
{
    return {std::nullopt, {path, std::string("manca e non si può creare: ") + std::strerror(error), StoreFailure::Unusable}};
}

// Opens path (creating it empty with `mode` when missing) and checks that it
// is what a record file must be.
StoreResult<int> openChecked(const std::string& path, int access, mode_t mode, const std::optional<StoreOwner>& owner)
{
    const int flags = access | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int raw = ::open(path.c_str(), flags);
    const bool missing = raw < 0 && errno == ENOENT;
    if (missing) {
        raw = ::open(path.c_str(), flags | O_CREAT | O_EXCL, mode);
        if (raw < 0 && errno == EEXIST)
            return openChecked(path, access, mode, owner);
        if (raw < 0)
            return cannotCreate(path, errno);
    }
    if (raw < 0)
        return {std::nullopt, problemAt(path, errno, StoreFailure::Unusable)};
    Descriptor fd(raw);
    if (missing) {
        // Explicit, whatever the umask: every player reads the record.
        const bool given = (!owner || ::fchown(fd.get(), owner->uid, owner->gid) == 0) && ::fchmod(fd.get(), mode) == 0;
        if (!given) {
            const int error = errno;
            ::unlink(path.c_str());
            return cannotCreate(path, error);
        }
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return {std::nullopt, problemAt(path, errno)};
    if (!S_ISREG(info.st_mode))
        return {std::nullopt, {path, "non è un file regolare", StoreFailure::Unusable}};
    if (owner && (info.st_uid != owner->uid || info.st_gid != owner->gid))
        return {std::nullopt, {path, "non appartiene al proprietario e al gruppo del record", StoreFailure::Unusable}};
    if (owner && info.st_nlink != 1)
        return {std::nullopt, {path, "ha più di un collegamento", StoreFailure::Unusable}};
    if (info.st_size > maxRecordFileBytes)
        return {std::nullopt, {path, "è troppo grande per essere un file del record", StoreFailure::Unusable}};
    return {fd.release(), {}};
}

// Temporary files of a save that was killed before it renamed them. Only a
// save holding the lock has temporary files, so under the lock any is a leftover.
void removeLeftovers(const std::string& directory)
{
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        for (const std::string_view target : {scoreFileName, holderFileName, journalFileName}) {
            if (name.size() == target.size() + 8 && name.starts_with('.') && name.substr(1).starts_with(target)
                && name[target.size() + 1] == '.')
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

} // namespace

StoreProblem PosixRecordFiles::lock(std::chrono::milliseconds wait)
{
    const std::string path = pathOf(std::string(lockFileName));
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (;;) {
        auto opened = openChecked(path, O_RDONLY, owner_ ? 0660 : 0644, owner_);
        if (!opened)
            return opened.problem;
        Descriptor fd(*opened.value);
        while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                return problemAt(path, errno);
            if (std::chrono::steady_clock::now() > giveUp)
                return {path, "un'altra partita sta salvando il record da troppo tempo", StoreFailure::Busy};
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        // Someone who may write the directory can replace the lock file while
        // we wait; a lock on the old one keeps nobody out.
        struct stat held {}, current {};
        if (::fstat(fd.get(), &held) == 0 && ::lstat(path.c_str(), &current) == 0 && held.st_dev == current.st_dev
            && held.st_ino == current.st_ino) {
            lock_ = fd.release();
            if (!owner_)
                removeLeftovers(directory_);
            return {};
        }
    }
}

void PosixRecordFiles::unlock()
{
    if (lock_ >= 0)
        ::close(std::exchange(lock_, -1));
}

StoreResult<std::string> PosixRecordFiles::read(StoreFile file)
{
    const std::string path = pathOf(file);
    auto opened = openChecked(path, O_RDONLY, modeOf(file, owner_.has_value()), owner_);
    if (!opened)
        return {std::nullopt, opened.problem};
    Descriptor fd(*opened.value);
    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {std::nullopt, problemAt(path, errno)};
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<long long>(content.size()) > maxRecordFileBytes)
            return {std::nullopt, {path, "è troppo grande per essere un file del record", StoreFailure::Unusable}};
    }
    return {std::move(content), {}};
}

StoreProblem PosixRecordFiles::write(StoreFile file, const std::string& bytes)
{
    const std::string path = pathOf(file);
    const mode_t mode = modeOf(file, owner_.has_value());
    if (owner_) {
        auto opened = openChecked(path, O_RDWR, mode, owner_);
        if (!opened)
            return opened.problem;
        Descriptor fd(*opened.value);
        if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
            return problemAt(path, errno);
        return {};
    }
    // mkstemp creates the new file exclusively, never through a link.
    const std::size_t slash = path.rfind('/');
    std::string temporary = path.substr(0, slash + 1) + '.' + path.substr(slash + 1) + ".XXXXXX";
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return problemAt(path, errno);
    const bool written = writeAll(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0
                         && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return problemAt(path, error);
    }
    syncDirectory(directory_);
    return {};
}

} // namespace orvetta
