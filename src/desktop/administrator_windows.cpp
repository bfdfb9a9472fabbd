// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/administrator_windows.h"

#include <QCoreApplication>

#include <cstdlib>
#include <windows.h>

namespace orvetta {

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

std::optional<int> runAsAdministrator(const QString& argument)
{
    // Windows asks for an administrator's name and password, or for consent.
    const QString program = QCoreApplication::applicationFilePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
    run.lpVerb = L"runas";
    run.lpFile = reinterpret_cast<LPCWSTR>(program.utf16());
    run.lpParameters = reinterpret_cast<LPCWSTR>(argument.utf16());
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run) || !run.hProcess)
        return std::nullopt;
    WaitForSingleObject(run.hProcess, INFINITE);
    DWORD status = EXIT_FAILURE;
    GetExitCodeProcess(run.hProcess, &status);
    CloseHandle(run.hProcess);
    return static_cast<int>(status);
}

} // namespace orvetta
