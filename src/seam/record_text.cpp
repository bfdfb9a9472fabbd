// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/record_text.h"

#include "numbers/number_text.h"

#include <QStringDecoder>

namespace orvetta {

QString withTrailingSeparator(const QString& directory, QChar separator)
{
    return directory.endsWith(separator) ? directory : directory + separator;
}

QString recordCaption(const QByteArray& content)
{
    if (content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16).decode(content); // the mark gives the order and goes
    if (content.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(content.mid(3));
    // Bytes of a code page above ASCII hardly ever form valid UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(content);
    return utf8.hasError() ? QString::fromLocal8Bit(content) : text;
}

double recordValue(const QString& caption)
{
    return countedRecord(lenientValue(caption));
}

QList<HistoryRow> historyRows(const QByteArray& history)
{
    QList<HistoryRow> rows;
    for (const QByteArray& line : history.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 7)
            rows.prepend({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]), QString::fromUtf8(fields[2]),
                          QString::fromUtf8(fields[3]), QString::fromUtf8(fields[4])});
    }
    return rows;
}

} // namespace orvetta
