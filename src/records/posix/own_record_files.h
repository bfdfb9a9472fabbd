// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/posix/record_files_posix.h"

namespace orvetta {

// A record in a build's or a player's own directory: missing files are
// created readable by every player, whatever the umask, and each write
// replaces a file by renaming a new one over it. No history is kept.
class OwnRecordFiles : public PosixRecordFiles {
public:
    explicit OwnRecordFiles(std::string directory);

    StoreProblem write(StoreFile file, const std::string& bytes) override;

protected:
    mode_t modeOf(StoreFile file) const override;
    // Temporary files of a save that was killed before it renamed them go.
    void lockTaken() override;
};

} // namespace orvetta
