// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/record_folder_windows.h"

#include "records/windows/record_files_windows.h"
#include "records/windows/record_preparation.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdio>
#include <windows.h>

namespace orvetta {

std::optional<QString> recordFolderPolicy()
{
    // The 64-bit view, where Group Policy and the MSI write it.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Policies\\Orvetta", 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key)
        != ERROR_SUCCESS)
        return std::nullopt;
    const auto value = L"RecordFolder";
    // REG_SZ, or REG_EXPAND_SZ expanded: asked for as such, Windows refuses.
    const DWORD types = RRF_RT_REG_SZ;
    DWORD bytes = 0;
    std::wstring text;
    if (RegGetValueW(key, nullptr, value, types, nullptr, nullptr, &bytes) == ERROR_SUCCESS) {
        text.resize(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegGetValueW(key, nullptr, value, types, nullptr, text.data(), &bytes) != ERROR_SUCCESS)
            text.clear();
    }
    RegCloseKey(key);
    QString folder = QString::fromWCharArray(text.c_str()).trimmed();
    // As pasted from Explorer's "Copy as path".
    if (folder.size() >= 2 && folder.startsWith(QLatin1Char('"')) && folder.endsWith(QLatin1Char('"')))
        folder = folder.mid(1, folder.size() - 2).trimmed();
    folder = QDir::toNativeSeparators(folder);
    while (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool isCompleteFolderPath(const QString& folder)
{
    static const QRegularExpression complete(QStringLiteral(R"(^([A-Za-z]:|\\\\[^\\]+\\[^\\]+)(\\|$))"));
    return complete.match(folder).hasMatch();
}

int prepareMachineRecord()
{
    const std::optional<QString> policy = recordFolderPolicy();
    const QString folder = policy ? *policy : WindowsRecordFiles::machineDirectory();
    const auto say = [](const QString& line) { std::printf("%s\n", qPrintable(line)); };
    if (policy && !isCompleteFolderPath(folder)) {
        say(QStringLiteral("RecordFolder (%1) non è il percorso completo di una cartella: il record non si può "
                           "preparare.")
                .arg(folder));
        return 2;
    }
    // A local folder is made; a share must be there already, and may not be
    // for the installer, which runs as the PC itself.
    if (policy && !QDir().mkpath(folder)) {
        say(QStringLiteral("%1 non si raggiunge ora: i file del record li farà la prima partita.").arg(folder));
        return 0;
    }
    const RecordPreparation done = prepareRecordFiles(folder);
    for (const QString& line : done.lines)
        say(line);
    std::fflush(stdout);
    return done.status;
}

} // namespace orvetta
