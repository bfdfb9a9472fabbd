// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/posix/protected_record_files.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

// A record directory of the fuzz run's own, laid out as the package lays out
// the machine's but owned by whoever runs it, in memory where there is a
// tmpfs for it.
namespace orvetta::fuzz {

inline const std::string& scratchDirectory()
{
    // Plain characters, still there when the directory goes at exit.
    static char made[64];
    static const std::string directory = [] {
        std::snprintf(made, sizeof made, "%s/orvetta-fuzz.XXXXXX",
                      ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        if (!::mkdtemp(made) || ::chmod(made, 0755) != 0)
            std::abort();
        ::mkdir((std::string(made) + "/fraprod.kept").c_str(), 0770);
        std::atexit([] { std::filesystem::remove_all(made); });
        return std::string(made);
    }();
    return directory;
}

inline StoreOwner scratchOwner()
{
    return {static_cast<unsigned>(::getuid()), static_cast<unsigned>(::getgid())};
}

// Replaces a file of the scratch directory in place, as the layout keeps them.
inline void putFile(const std::string& name, std::string_view bytes, mode_t mode = 0660)
{
    const std::string path = scratchDirectory() + '/' + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0 || ::ftruncate(fd, 0) != 0
        || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    ::close(fd);
}

} // namespace orvetta::fuzz
