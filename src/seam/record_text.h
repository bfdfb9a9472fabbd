// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <QByteArray>
#include <QList>
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

// A line of the record's history as the reset window shows it.
struct HistoryRow {
    QString when, who, what, score, name;
    bool operator==(const HistoryRow&) const = default;
};

// The history's lines of seven tab-separated fields, newest first; a line
// garbled by an older version is left out.
QList<HistoryRow> historyRows(const QByteArray& history);

} // namespace orvetta
