// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Tavola.h"
#include "seam/record_text.h"

namespace orvetta {

QString Tavola::GetSystemDir()
{
    const FileResult<QString> directory = platform_.recordDirectory();
    if (!directory) {
        fail(76, tr("Impossibile trovare il percorso\n%1").arg(directory.problem.reason));
        return {};
    }
    return withTrailingSeparator(*directory.value, platform_.directorySeparator());
}

QString Tavola::Leggifiletxt(const QString& nomefile)
{
    const FileResult<QByteArray> content = platform_.readWhole(nomefile);
    if (!content) {
        failOnFile(content.problem);
        return {};
    }
    return recordCaption(*content.value);
}

QString Tavola::recordFilePath(const QString& name) const
{
    // The directory already ends with a separator; the doubled one is read as one.
    return gs_.cartellaWin + platform_.directorySeparator() + name;
}

} // namespace orvetta
