// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace orvetta {

// How preparing a record directory went, as the installers report it.
struct RecordPreparation {
    enum Status {
        Ready = 0,
        Failed = 2,         // a file that could not be made or given its rights
        FolderInTheWay = 3, // a folder has the name of a record file: nothing was made
    };
    Status status = Ready;
    QStringList lines; // what was done, or why not
};

// What the installers do, as an administrator, so that every player may use
// the record in `directory`: the record's files made where missing (one
// already there is kept byte for byte), a read-only attribute taken off, and
// the group Users let read and write each file, and nothing else: a pupil
// may change the record, not take it away from the others.
RecordPreparation prepareRecordFiles(const QString& directory);

} // namespace orvetta
