// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/windows/record_preparation.h"

#include "records/record_lines.h"
#include "records/windows/record_files_windows.h"

#include <QDir>

#include <windows.h>

namespace orvetta {
namespace {

LPCWSTR wide(const QString& text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// Runs `commandLine` and waits for it: its exit status, or -1 when it could not start.
long run(QString commandLine)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring line = commandLine.toStdWString();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(status);
}

QString systemDirectory()
{
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? QStringLiteral("C:\\Windows\\System32")
                                             : QString::fromWCharArray(buffer, static_cast<qsizetype>(length));
}

} // namespace

RecordPreparation prepareRecordFiles(const QString& directory)
{
    RecordPreparation done;
    QStringList paths;
    for (const std::string_view name : recordFileNames)
        paths << QDir::toNativeSeparators(directory) + QLatin1Char('\\')
                     + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    // Checked before anything is made, so that nothing is left half done.
    for (const QString& path : paths) {
        const DWORD attributes = GetFileAttributesW(wide(path));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            done.lines << QStringLiteral("%1 è una cartella, ma Orvetta vi deve tenere un file del record: spostala "
                                         "o rinominala, poi installa di nuovo.")
                              .arg(path);
            done.status = RecordPreparation::FolderInTheWay;
            return done;
        }
    }
    const QString icacls = systemDirectory() + QStringLiteral("\\icacls.exe");
    for (const QString& path : paths) {
        // CREATE_NEW: a record already there is never touched.
        const HANDLE made =
            CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (made != INVALID_HANDLE_VALUE) {
            CloseHandle(made);
            done.lines << QStringLiteral("Creato: %1").arg(path);
        } else if (GetLastError() != ERROR_FILE_EXISTS) {
            done.lines << QStringLiteral("Non si può creare %1: %2").arg(path, lastError());
            done.status = RecordPreparation::Failed;
            return done;
        }
        // A read-only attribute, which a pupil may set, would keep every game out.
        clearReadOnly(path);
        // Users by its well-known SID: its name is translated.
        const long granted = run(QStringLiteral("\"%1\" \"%2\" /grant *S-1-5-32-545:(R,W)").arg(icacls, path));
        if (granted != 0) {
            done.lines << QStringLiteral("Non si possono dare agli utenti i diritti su %1 (icacls: %2).")
                              .arg(path)
                              .arg(granted);
            done.status = RecordPreparation::Failed;
            return done;
        }
        done.lines << QStringLiteral("Gli utenti possono leggere e scrivere %1").arg(path);
    }
    return done;
}

} // namespace orvetta
