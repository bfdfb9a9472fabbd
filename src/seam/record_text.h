// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <QByteArray>
#include <QString>

namespace orvetta {

inline const QString recordScoreFile = QString::fromLatin1(scoreFileName);
inline const QString recordHolderFile = QString::fromLatin1(holderFileName);

// The directory text with exactly one trailing separator.
QString withTrailingSeparator(const QString& directory, QChar separator);

// The whole content of a record file, line end included, as a caption: read
// as Notepad may have saved it (UTF-16 or UTF-8 after their mark, UTF-8
// without one), and otherwise in the code page the game writes.
QString recordCaption(const QByteArray& content);

// The record a caption shows, as a save weighs it.
double recordValue(const QString& caption);

} // namespace orvetta
