// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvetta {

// Why the record could not be read or saved, in the player's language. The
// record's own code and its helper write their reasons in Italian, and keep
// them so: they read no catalogue. A reason followed by ": " and the
// system's words has its own part translated.
QString shownReason(const QString& reason);

} // namespace orvetta
