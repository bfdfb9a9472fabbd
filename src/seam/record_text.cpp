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

} // namespace orvetta
