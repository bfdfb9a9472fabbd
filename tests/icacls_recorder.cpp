// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for icacls.exe in a Wine prefix, whose own accepts anything and
// changes nothing: appends the command line it is run with to icacls.log
// beside itself, for packaging/check-windows to read how the installer grants
// the record's rights.
#include <filesystem>
#include <fstream>
#include <windows.h>

int main()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::ofstream log(std::filesystem::path(self, self + length).replace_extension(".log"),
                      std::ios::binary | std::ios::app);
    return log << GetCommandLineA() << '\n' << std::flush ? 0 : 1;
}
