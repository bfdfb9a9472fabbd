// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/posix/posix_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvetta {

StoreProblem problemAt(const std::string& path, int error, StoreFailure kind)
{
    if (error == ELOOP)
        return {path, "è un collegamento simbolico, non un file", StoreFailure::Unusable};
    return {path, std::strerror(error), kind};
}

bool writeAll(int fd, std::string_view bytes)
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

bool writeAllAt(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

void syncDirectory(const std::string& directory)
{
    Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

namespace {

StoreResult<int> cannotCreate(const std::string& path, int error)
{
    return {std::nullopt,
            {path, std::string("manca e non si può creare: ") + std::strerror(error), StoreFailure::Unusable}};
}

} // namespace

StoreResult<int> openChecked(const std::string& path, int access, mode_t mode, const std::optional<StoreOwner>& owner,
                             long long maxBytes)
{
    const int flags = access | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int raw = ::open(path.c_str(), flags);
    const bool missing = raw < 0 && errno == ENOENT;
    if (missing) {
        raw = ::open(path.c_str(), flags | O_CREAT | O_EXCL, mode);
        if (raw < 0 && errno == EEXIST)
            return openChecked(path, access, mode, owner, maxBytes);
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
    struct stat info = {};
    if (::fstat(fd.get(), &info) != 0)
        return {std::nullopt, problemAt(path, errno)};
    if (!S_ISREG(info.st_mode))
        return {std::nullopt, {path, "non è un file regolare", StoreFailure::Unusable}};
    if (owner && (info.st_uid != owner->uid || info.st_gid != owner->gid))
        return {std::nullopt, {path, "non appartiene al proprietario e al gruppo del record", StoreFailure::Unusable}};
    if (owner && info.st_nlink != 1)
        return {std::nullopt, {path, "ha più di un collegamento", StoreFailure::Unusable}};
    if (info.st_size > maxBytes)
        return {std::nullopt, {path, "è troppo grande per essere un file del record", StoreFailure::Unusable}};
    return {fd.release(), {}};
}

StoreResult<std::string> readAll(int fd, const std::string& path, long long maxBytes)
{
    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {std::nullopt, problemAt(path, errno)};
        if (n == 0)
            return {std::move(content), {}};
        content.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<long long>(content.size()) > maxBytes)
            return {std::nullopt, {path, "è troppo grande per essere un file del record", StoreFailure::Unusable}};
    }
}

} // namespace orvetta
