// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/Platform.h"

namespace orvetta {

// What the installer's Start-menu entry "Azzera il record di Orvetta" passes
// to orvetta.exe: a teacher's reset instead of a game.
inline const QString resetArgument = QStringLiteral("/reset");

// Runs as administrator, first asking Windows for the rights by running this
// program again with them, then resets the Windows directory's record as
// askAndReset does. The exit status.
int resetAsAdministrator(Platform& platform);

// Shows the record of `directory` and asks whether to empty it; on Yes
// empties it under its lock and says how that went. The exit status.
int askAndReset(Platform& platform, const QString& directory);

} // namespace orvetta
