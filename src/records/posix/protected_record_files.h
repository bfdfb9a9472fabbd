// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/posix/record_files_posix.h"

namespace orvetta {

// The machine-wide record as the package lays it out: a directory only root
// may change, the files written by one trusted group. Every file, the lock
// included, exists, belongs to `owner`, has a single link and is rewritten in
// place, so it keeps its owner and mode; a missing file is created only by
// whoever may give it that owner. fraprod.kept belongs to `owner` and is
// closed to everyone outside the group. The history of changes is
// fraprod.history, kept like the record files, with fraprod.trim beside it
// for a trim under way.
class ProtectedRecordFiles : public PosixRecordFiles {
public:
    ProtectedRecordFiles(std::string directory, StoreOwner owner);

    StoreProblem write(StoreFile file, const std::string& bytes) override;
    StoreProblem appendHistory(const std::string& line) override;
    // The history's whole lines, as the next holder of the lock leaves them.
    StoreResult<std::string> history();

protected:
    mode_t modeOf(StoreFile file) const override;

private:
    // Under the lock, on the open history: the trimmed lines replace it in
    // place once they are whole beside it.
    StoreProblem trim(int history, std::string_view lines);
    StoreProblem finishTrim(int history);
};

} // namespace orvetta
