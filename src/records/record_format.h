#pragma once

#include <QByteArray>
#include <QString>

namespace orvetta {

inline const QString recordScoreFile = QStringLiteral("fraprod.txt");
inline const QString recordHolderFile = QStringLiteral("fraprod1.txt");

// The directory text with exactly one trailing separator.
QString withTrailingSeparator(const QString& directory, QChar separator);

// One line in the system's 8-bit code page ending in CR LF. A line break
// inside the text (a pasted name) becomes a blank, so the file stays one line.
QByteArray recordLine(const QString& text);

// The whole content of a record file, line end included, as a caption.
QString recordCaption(const QByteArray& content);

} // namespace orvetta
