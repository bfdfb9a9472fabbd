// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/record_text.h"

namespace orvetta {

QString withTrailingSeparator(const QString& directory, QChar separator)
{
    return directory.endsWith(separator) ? directory : directory + separator;
}

QString recordCaption(const QByteArray& content)
{
    return QString::fromLocal8Bit(content);
}

} // namespace orvetta
