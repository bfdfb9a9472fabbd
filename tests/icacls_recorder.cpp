// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for icacls.exe in a Wine prefix, whose own accepts anything and
// changes nothing: appends the command line it is run with to icacls.log
// beside itself, for packaging/check-windows to read how the installer grants
// the record's rights.
#include <cstdio>
#include <string>
#include <windows.h>

int main()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::wstring log(self, length);
    log.replace(log.rfind(L'.'), std::wstring::npos, L".log");
    FILE* file = _wfopen(log.c_str(), L"ab");
    if (!file)
        return 1;
    std::fprintf(file, "%s\n", GetCommandLineA());
    return std::fclose(file) == 0 ? 0 : 1;
}
