// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_store.h"

#include <QString>

#include <string_view>

namespace orvetta {

// The record files of a directory on Windows, the lock fraprod.lock among
// them. Each is opened by a handle that never follows a link or junction
// planted at its name, and rewritten in place, so that it keeps the rights
// it was given. A file another program holds open is waited for a few
// seconds, then refused as Busy, naming that program where Windows can tell;
// a read-only attribute is taken off. The lock is a lock on that file's first byte, which Windows
// drops when the process ends however it ends.
//
// Prepared (the Windows directory): the installer has made every file and
// lets every player change them, but a standard user may create nothing
// there, so a missing file is a fault. MadeOnFirstUse (the player's data
// directory, or the folder the administrator's policy names): missing files
// are made, the folder never.
// What Windows said of the last call that failed, as a reason.
QString lastError();
// A read-only attribute, which anyone who may write the file may set, is
// taken off again; whether it was.
bool clearReadOnly(const QString& path);

class WindowsRecordFiles : public RecordFiles {
public:
    enum class Layout { Prepared, MadeOnFirstUse };

    WindowsRecordFiles(QString directory, Layout layout);
    ~WindowsRecordFiles() override;
    WindowsRecordFiles(const WindowsRecordFiles&) = delete;
    WindowsRecordFiles& operator=(const WindowsRecordFiles&) = delete;

    StoreProblem lock(std::chrono::milliseconds wait) override;
    void unlock() override;
    StoreResult<std::string> read(StoreFile file) override;
    StoreProblem write(StoreFile file, const std::string& bytes) override;
    // Names in the ANSI code page, as the game has always written them here.
    NameEncoding nameEncoding() const override { return NameEncoding::AnsiCodePage; }

    // Whether the installer made every file of a prepared directory: each is
    // there, and not a folder. Not whether this user may open it now, which
    // another program may prevent for a while.
    static StoreProblem checkPrepared(const QString& directory);
    // The Windows directory (GetWindowsDirectoryA), where the installer
    // prepares the record; empty when Windows does not say.
    static QString machineDirectory();

private:
    QString pathOf(std::string_view name) const;
    QString pathOf(StoreFile file) const;

    QString directory_;
    Layout layout_;
    void* lock_; // the lock file's handle while the lock is held
};

} // namespace orvetta
