// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace orvetta {

struct DirectoryProbe {
    QString path;
    bool usable = false;
    QString reason; // why it cannot be used
};

struct RecordDirectoryChoice {
    std::optional<QString> path;
    QString notice;  // one line for standard error when the fallback is taken
    QString failure; // when neither directory can be used
};

// The machine-wide directory is preferred; the player's own data directory is
// probed only when the machine-wide one cannot be used.
RecordDirectoryChoice chooseRecordDirectory(const DirectoryProbe& machineWide,
                                            const std::function<DirectoryProbe()>& probeFallback);

// Creates the directory when missing and tells whether records can be read
// and written there.
DirectoryProbe probeDirectory(const QString& path);

} // namespace orvetta
