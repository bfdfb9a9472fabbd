// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock_holder.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/sysmacros.h>

namespace orvetta {
namespace {

// "1: FLOCK  ADVISORY  WRITE 4321 00:2f:1234 0 EOF"; waiters have "->" after the number.
std::optional<pid_t> holderOnLine(const std::string& line, const std::string& file)
{
    std::istringstream fields(line);
    std::string number, kind, advisory, mode, device;
    long long pid = 0;
    if (!(fields >> number >> kind) || kind != "FLOCK")
        return std::nullopt;
    if (!(fields >> advisory >> mode >> pid >> device) || device != file || pid <= 0)
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool isStopped(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t nameEnd = text.rfind(')'); // the command name may hold anything, ')' included
    return nameEnd != std::string::npos && nameEnd + 2 < text.size()
           && (text[nameEnd + 2] == 'T' || text[nameEnd + 2] == 't');
}

std::optional<uid_t> realUidOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
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

} // namespace

std::optional<LockHolder> lockHolderOf(dev_t device, ino_t inode)
{
    char file[64];
    std::snprintf(file, sizeof file, "%02x:%02x:%llu", ::major(device), ::minor(device),
                  static_cast<unsigned long long>(inode));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        if (const auto pid = holderOnLine(line, file)) {
            const auto uid = realUidOf(*pid);
            if (!uid)
                return std::nullopt; // gone meanwhile
            return LockHolder{*pid, *uid, isStopped(*pid)};
        }
    }
    return std::nullopt;
}

} // namespace orvetta
