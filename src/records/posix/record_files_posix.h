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

// The record files of `directory`, never opened through a link, never blocking
// on a FIFO or device, and only if they are regular files.
//
// Protected (a directory only root may change, the files written by one
// trusted group): every file, the lock included, exists, belongs to `owner`,
// has a single link and is rewritten in place, so it keeps its owner and mode.
// A missing file is created only by whoever may give it that owner.
//
// Saves kept while the lock stays taken go to the subdirectory fraprod.kept,
// one a player (by user id), written whole and then renamed into place, and
// renamed again when the holder of the lock takes them over; protected, it
// belongs to `owner` and is closed to everyone outside the group, and the
// history of changes is fraprod.history, kept like the record files, with
// fraprod.trim beside it for a trim under way.
//
// Open (a build's or a player's own directory): missing files are created
// readable by every player, whatever the umask, and each write replaces a file
// by renaming a new one over it. No history is kept.
//
// The lock is a process's (lock_holder.h): two objects of one process on the
// same directory do not keep each other out.
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
    StoreResult<bool> keep(const std::string& entry, const std::function<bool(std::string_view)>& stands) override;
    StoreResult<std::vector<KeptEntry>> kept() override;
    StoreResult<std::vector<KeptEntry>> claimKept() override;
    StoreProblem forget(const std::string& id) override;
    StoreProblem appendHistory(const std::string& line) override;
    StoreProblem keepOthersOut(std::chrono::milliseconds wait) override;
    std::optional<EndedHolder> endLockHolder() override;
    // The history's whole lines, as the next holder of the lock leaves them.
    StoreResult<std::string> history();

protected:
    // Runs between opening the lock file and locking it, where the tests
    // delete or replace it as anyone who may write the directory could.
    virtual void lockFileOpened() {}

private:
    // The lock file stays open as long as these files: closing any descriptor
    // of it would let go of the locks this process holds there.
    StoreProblem openLockFile();
    void closeLockFile();

    // Under the lock, on the open history: the trimmed lines replace it in
    // place once they are whole beside it.
    StoreProblem trim(int history, std::string_view lines);
    StoreProblem finishTrim(int history);

    bool keptDirectoryMissing() const;
    StoreResult<int> openKeptDirectory(bool createWhenMissing);
    // Fails when one of them is no longer there.
    StoreResult<std::vector<KeptEntry>> readKept(int dir, std::vector<std::string> names);

    std::string pathOf(const std::string& name) const;
    std::string pathOf(StoreFile file) const;

    std::string directory_;
    std::optional<StoreOwner> owner_;
    int lock_ = -1;
    bool locked_ = false;
};

} // namespace orvetta
