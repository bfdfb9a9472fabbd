// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/record_reset_windows.h"

#include "records/windows/record_files_windows.h"
#include "seam/record_text.h"

#include <QCoreApplication>

#include <cstdlib>
#include <windows.h>

namespace orvetta {
namespace {

const QString resetTitle = QStringLiteral("Azzera il record di Orvetta");

// An administrator's full rights, not the filtered ones of a standard start.
bool isAdministrator()
{
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    BOOL member = FALSE;
    if (AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                 &administrators)) {
        if (!CheckTokenMembership(nullptr, administrators, &member))
            member = FALSE;
        FreeSid(administrators);
    }
    return member;
}

QString problemText(const StoreProblem& problem)
{
    return QString::fromLocal8Bit(problem.path) + QStringLiteral(": ") + QString::fromUtf8(problem.reason);
}

} // namespace

int resetAsAdministrator(Platform& platform)
{
    if (isAdministrator())
        return askAndReset(platform, WindowsRecordFiles::machineDirectory());
    // Windows asks for an administrator's name and password, or for consent.
    const QString program = QCoreApplication::applicationFilePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
    run.lpVerb = L"runas";
    run.lpFile = reinterpret_cast<LPCWSTR>(program.utf16());
    run.lpParameters = reinterpret_cast<LPCWSTR>(resetArgument.utf16());
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run) || !run.hProcess) {
        platform.messageBox(nullptr, QStringLiteral("Per azzerare il record servono i diritti di amministratore."),
                            MsgStyle::OkOnly, resetTitle);
        return EXIT_FAILURE;
    }
    WaitForSingleObject(run.hProcess, INFINITE);
    DWORD status = EXIT_FAILURE;
    GetExitCodeProcess(run.hProcess, &status);
    CloseHandle(run.hProcess);
    return static_cast<int>(status);
}

int askAndReset(Platform& platform, const QString& directory)
{
    // Only the files the installer prepared: never a record of this user's own.
    if (const StoreProblem missing = WindowsRecordFiles::checkPrepared(directory)) {
        platform.messageBox(nullptr, QStringLiteral("Non trovo il record da azzerare.\n\n") + problemText(missing),
                            MsgStyle::OkOnly, resetTitle);
        return EXIT_FAILURE;
    }
    WindowsRecordFiles files(directory, WindowsRecordFiles::Layout::Prepared);
    const StoreResult<RecordPair> record = readRecord(files);
    if (!record) {
        platform.messageBox(nullptr,
                            QStringLiteral("Il record non si può leggere ora.\n\n") + problemText(record.problem),
                            MsgStyle::OkOnly, resetTitle);
        return EXIT_FAILURE;
    }
    if (*record.value == RecordPair{}) {
        platform.messageBox(nullptr, QStringLiteral("Il record è già vuoto."), MsgStyle::OkOnly, resetTitle);
        return EXIT_SUCCESS;
    }
    const QString holder = recordCaption(QByteArray::fromStdString(record.value->holder)).trimmed();
    const QString score = recordCaption(QByteArray::fromStdString(record.value->score)).trimmed();
    const QString question =
        QStringLiteral("Il record è di %1 con punti %2.\n\nVuoi azzerarlo per tutti i giocatori di questo computer?")
            .arg(holder, score);
    if (platform.messageBox(nullptr, question, MsgStyle::YesNoQuestionDefaultNo, resetTitle) != MsgAnswer::Yes)
        return EXIT_SUCCESS;
    if (const ResetOutcome reset = resetRecord(files, {}); !reset) {
        platform.messageBox(nullptr, QStringLiteral("Il record non è stato azzerato.\n\n") + problemText(reset.problem),
                            MsgStyle::OkOnly, resetTitle);
        return EXIT_FAILURE;
    }
    platform.messageBox(nullptr, QStringLiteral("Il record è stato azzerato."), MsgStyle::OkOnly, resetTitle);
    return EXIT_SUCCESS;
}

} // namespace orvetta
