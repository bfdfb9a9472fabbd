#include "records/record_format.h"

#include <QRegularExpression>

namespace orvetta {

QString withTrailingSeparator(const QString& directory, QChar separator)
{
    return directory.endsWith(separator) ? directory : directory + separator;
}

QByteArray recordLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString oneLine = text;
    oneLine.replace(lineBreak, QStringLiteral(" "));
    return oneLine.toLocal8Bit() + "\r\n";
}

QString recordCaption(const QByteArray& content)
{
    return QString::fromLocal8Bit(content);
}

} // namespace orvetta
