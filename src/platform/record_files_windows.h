// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace orvetta {

// The record files of a directory on Windows: never read or written through a
// link, shortcut or junction planted at a record name; each write replaces a
// file whole.
class WindowsRecordFiles : public RecordFiles {
public:
    explicit WindowsRecordFiles(QString directory);

    StoreProblem lock(std::chrono::milliseconds wait) override;
    void unlock() override;
    StoreResult<std::string> read(StoreFile file) override;
    StoreProblem write(StoreFile file, const std::string& bytes) override;

private:
    QString pathOf(StoreFile file) const;

    QString directory_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace orvetta
