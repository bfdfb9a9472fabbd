// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/posix/protected_record_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
        std::atexit([] { std::filesystem::remove_all(made); });
        return std::string(made);
    }();
    return directory;
}

inline const StoreOwner scratchOwner{::getuid(), ::getgid()};

// Replaces a file of the scratch directory in place, as the layout keeps them.
inline void putFile(const std::string& name, std::string_view bytes)
{
    if (!(std::ofstream(scratchDirectory() + '/' + name, std::ios::binary) << bytes << std::flush))
        std::abort();
}

} // namespace orvetta::fuzz
