// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/problem_texts.h"

#include <QCoreApplication>

namespace orvetta {
namespace {

constexpr char context[] = "orvetta::RecordProblem";

// The reasons the record's code, the set-group-id helper and the Windows
// record files give, for lupdate: they are written where no catalogue is read.
[[maybe_unused]] constexpr const char* reasons[] = {
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "è un collegamento simbolico, non un file"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "manca e non si può creare"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "non è un file regolare"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "non appartiene al proprietario e al gruppo del record"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "ha più di un collegamento"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "è troppo grande per essere un file del record"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "il record si sta azzerando"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "un'altra partita sta salvando il record da troppo tempo"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "il programma che sta salvando il record è fermo"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "un altro azzeramento del record è in corso"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "non è una cartella del solo gruppo del record"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "un'altra tua partita sta già mettendo da parte un record"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "non è un record in attesa"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "il punteggio non è un numero intero da 0 a 32767"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "il nome è troppo lungo o contiene un byte nullo"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "non è una cartella che solo root può modificare"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "il nome non si può leggere"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "manca (lo prepara il programma d'installazione)"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "è aperto in un altro programma"),
    QT_TRANSLATE_NOOP("orvetta::RecordProblem", "la cartella del record non si raggiunge"),
};

} // namespace

QString shownReason(const QString& reason)
{
    const QString whole = QCoreApplication::translate(context, reason.toUtf8().constData());
    const qsizetype colon = reason.indexOf(QStringLiteral(": "));
    if (whole != reason || colon < 0)
        return whole;
    return QCoreApplication::translate(context, reason.left(colon).toUtf8().constData()) + reason.mid(colon);
}

} // namespace orvetta
