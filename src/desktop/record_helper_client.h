// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/Platform.h"

// The game's side of the record helper: it runs the installed helper program
// and turns its answers and refusals into file results.
namespace orvetta {

FileResult<RecordPair> readThroughHelper(const QString& helper);
FileResult<SaveVerdict> saveThroughHelper(const QString& helper, const QByteArray& score, const QByteArray& holder);
// Root and the teachers read the history and may reset; the helper refuses everyone else.
FileResult<RecordKeeping> keepingThroughHelper(const QString& helper);
ResetReport resetThroughHelper(const QString& helper);

} // namespace orvetta
