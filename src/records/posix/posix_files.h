// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

// Opening, reading and writing the record's files on POSIX, never through a
// link, never blocking on a FIFO or device.
namespace orvetta {

// Who must own every file of a protected record directory.
struct StoreOwner {
    unsigned uid;
    unsigned gid;
};

StoreProblem problemAt(const std::string& path, int error, StoreFailure kind = StoreFailure::Io);

// Closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Opens path (creating it empty with `mode` when missing) and checks that it
// is what a record file must be: a regular file, at most maxBytes, and with
// an owner, belonging to it with a single link.
StoreResult<int> openChecked(const std::string& path, int access, mode_t mode, const std::optional<StoreOwner>& owner,
                             long long maxBytes = maxRecordFileBytes);
// The whole content of an open file, refused past maxBytes.
StoreResult<std::string> readAll(int fd, const std::string& path, long long maxBytes);
bool writeAll(int fd, std::string_view bytes);
bool writeAllAt(int fd, std::string_view bytes, off_t offset);
void syncDirectory(const std::string& directory);

} // namespace orvetta
