// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DesktopPlatform.h"

#ifndef Q_OS_WIN
#include "records/posix/protected_record_files.h"
#include <QFile>
#include <sys/stat.h>
#endif

namespace orvetta::testing {

// The record files of a directory: "open" or "prepared", as the game keeps
// them (prepared: made beforehand, as the Windows installer leaves them);
// "protected", rewritten in place and owned by the directory's owner, as the
// helper keeps them.
inline std::unique_ptr<RecordFiles> recordFilesOf(const QString& directory, const QString& layout)
{
#ifndef Q_OS_WIN
    struct stat info = {};
    if (layout == QStringLiteral("protected") && ::stat(QFile::encodeName(directory).constData(), &info) == 0)
        return std::make_unique<ProtectedRecordFiles>(QFile::encodeName(directory).toStdString(),
                                                      StoreOwner{info.st_uid, info.st_gid});
#endif
    return recordFilesIn(directory, layout == QStringLiteral("prepared"));
}

} // namespace orvetta::testing
