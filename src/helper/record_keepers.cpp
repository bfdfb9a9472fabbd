// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper/record_keepers.h"

#include "records/posix/posix_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvetta {
namespace {

constexpr long long maxKeepersFileBytes = 4096;

bool onlyRootMayChange(const struct stat& info)
{
    return info.st_uid == 0 && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string notTrusted(const std::string& path, std::string_view kind = "un file")
{
    return path + ": non è " + std::string(kind) + " che solo root può modificare: solo root può azzerare il record";
}

} // namespace

RecordKeepers readRecordKeepers(const std::string& path)
{
    // Without a trailing slash, which would make lstat follow a link.
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == 0 ? "/" : path.substr(0, slash);
    struct stat info = {};
    if (::lstat(directory.c_str(), &info) != 0)
        return {};
    if (!S_ISDIR(info.st_mode) || !onlyRootMayChange(info))
        return {std::nullopt, {}, notTrusted(directory, "una cartella")};
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT ? RecordKeepers{} : RecordKeepers{std::nullopt, {}, notTrusted(path)};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || !onlyRootMayChange(info))
        return {std::nullopt, {}, notTrusted(path)};
    const auto content = readAll(fd.get(), path, maxKeepersFileBytes);
    if (!content)
        return {std::nullopt, {}, content.problem.path + ": " + content.problem.reason};

    RecordKeepers keepers;
    std::istringstream lines(*content.value);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("teachers="))
            keepers.groupName = line.substr(std::strlen("teachers="));
    if (keepers.groupName.empty())
        return keepers;
    if (const group* entry = ::getgrnam(keepers.groupName.c_str()))
        keepers.group = entry->gr_gid;
    else
        keepers.note = path + ": il gruppo «" + keepers.groupName + "» non esiste: solo root può azzerare il record";
    return keepers;
}

bool callerIsInGroup(gid_t group)
{
    if (::getgid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == group)
            return true;
    return false;
}

} // namespace orvetta
