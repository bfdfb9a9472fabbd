// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <optional>
#include <string>

namespace orvetta {

// Who must own every file of a protected record directory.
struct StoreOwner {
    unsigned uid;
    unsigned gid;
};

// Files larger than this are not record files; reading one is refused.
inline constexpr long long maxRecordFileBytes = 64 * 1024;

// The record files of `directory`, never opened through a link, never blocking
// on a FIFO or device, and only if they are regular files.
//
// Protected (a directory only root may change, the files written by one
// trusted group): every file, the lock included, exists, belongs to `owner`,
// has a single link and is rewritten in place, so it keeps its owner and mode.
// A missing file is created only by whoever may give it that owner.
//
// Open (a build's or a player's own directory): missing files are created
// readable by every player, whatever the umask, and each write replaces a file
// by renaming a new one over it.
class PosixRecordFiles : public RecordFiles {
public:
    PosixRecordFiles(std::string directory, std::optional<StoreOwner> protectedBy);
    ~PosixRecordFiles() override;
    PosixRecordFiles(const PosixRecordFiles&) = delete;
    PosixRecordFiles& operator=(const PosixRecordFiles&) = delete;

    StoreProblem lock(std::chrono::milliseconds wait) override;
    void unlock() override;
    StoreResult<std::string> read(StoreFile file) override;
    StoreProblem write(StoreFile file, const std::string& bytes) override;

private:
    std::string pathOf(const std::string& name) const;
    std::string pathOf(StoreFile file) const;

    std::string directory_;
    std::optional<StoreOwner> owner_;
    int lock_ = -1;
};

} // namespace orvetta
