// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/posix/posix_files.h"
#include "records/record_store.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace orvetta {

// The record files of `directory` on POSIX, and what both layouts of them
// share (protected_record_files.h and own_record_files.h say how they differ):
// the lock, reading, and the saves kept while the lock stays taken, which go
// to the subdirectory fraprod.kept, one of each kind a player (by user id), written whole
// and then renamed into place, and renamed again when the holder of the lock
// takes them over.
//
// The lock is a process's (lock_holder.h): two objects of one process on the
// same directory do not keep each other out.
class PosixRecordFiles : public RecordFiles {
public:
    ~PosixRecordFiles() override;
    PosixRecordFiles(const PosixRecordFiles&) = delete;
    PosixRecordFiles& operator=(const PosixRecordFiles&) = delete;

    StoreProblem lock(std::chrono::milliseconds wait) override;
    void unlock() override;
    StoreResult<std::string> read(StoreFile file) override;
    StoreResult<bool> keep(const std::string& entry, const std::function<bool(std::string_view)>& stands,
                           KeptKind kind) override;
    StoreResult<std::vector<KeptEntry>> kept() override;
    StoreResult<std::vector<KeptEntry>> claimKept() override;
    StoreProblem forget(const std::string& id) override;
    StoreProblem keepOthersOut(std::chrono::milliseconds wait) override;
    std::optional<EndedHolder> endLockHolder() override;
    std::optional<EndedHolder> lockHolder() override;

protected:
    // With an owner, every file must belong to it (openChecked).
    PosixRecordFiles(std::string directory, std::optional<StoreOwner> owner);

    virtual mode_t modeOf(StoreFile file) const = 0;
    // Runs once the lock is taken.
    virtual void lockTaken() {}
    // Runs between opening the lock file and locking it, where the tests
    // delete or replace it as anyone who may write the directory could.
    virtual void lockFileOpened() {}

    std::string pathOf(const std::string& name) const;
    std::string pathOf(StoreFile file) const;

    const std::string directory_;
    const std::optional<StoreOwner> owner_;

private:
    // The lock file stays open as long as these files: closing any descriptor
    // of it would let go of the locks this process holds there.
    StoreProblem openLockFile();
    void closeLockFile();

    bool keptDirectoryMissing() const;
    StoreResult<int> openKeptDirectory(bool createWhenMissing);
    // Fails when one of them is no longer there.
    StoreResult<std::vector<KeptEntry>> readKept(int dir, std::vector<std::string> names);

    int lock_ = -1;
    bool locked_ = false;
};

} // namespace orvetta
