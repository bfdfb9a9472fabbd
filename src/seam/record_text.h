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

// The whole content of a record file, line end included, as a caption.
QString recordCaption(const QByteArray& content);

} // namespace orvetta
