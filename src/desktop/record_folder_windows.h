// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Where the record lives on Windows: the Windows directory, or the folder an
// administrator names for a lab's PCs to share, or for a restore tool to spare.
namespace orvetta {

// The folder of the machine policy HKLM\SOFTWARE\Policies\Orvetta,
// RecordFolder (Group Policy, the MSI's RECORDFOLDER), without surrounding
// quotes or a trailing backslash (a REG_EXPAND_SZ set by hand expanded);
// none where it is not set.
std::optional<QString> recordFolderPolicy();

// A drive's folder (D:\Orvetta) or a share's (\\server\orvetta): the same
// folder for every program, whatever its working directory.
bool isCompleteFolderPath(const QString& folder);

// "orvetta.exe /prepare-record", as the installers run it as administrator:
// the record's files made ready for every player where the game will look
// for them, said on standard output. A folder of the policy that cannot be
// reached now is left for the first game. Returns the installer's exit status.
int prepareMachineRecord();

} // namespace orvetta
