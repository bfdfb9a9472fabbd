// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Tavola.h"
#include "numbers/number_text.h"
#include "seam/record_text.h"
#include "window/TavolaWindow.h"

namespace orvetta {

void Tavola::cmdExit_Click()
{
    if (box(tr("Vuoi veramente lasciarmi  ?"), MsgStyle::YesNoQuestionDefaultNo, tr("Uscire dal programma"))
        != MsgAnswer::Yes)
        return;
    // From here on the game is over: no tick may run behind the last box.
    form_->Timer1->setEnabled(false);

    const double record = recordValue(form_->lblpunti->caption());
    const std::optional<double> score = strictValue(form_->lblScore->caption());
    if (!score) {
        fail(13, tr("Tipo non corrispondente"));
        return;
    }
    if (record >= *score) {
        endProgram();
        return;
    }

    gs_.testoRecord = form_->lblScore->caption();
    const QString scoreText = gs_.testoRecord;
    gs_.testoRecord = form_->lblnome1->caption();
    const FileResult<SaveVerdict> saved = platform_.saveRecord(scoreText, gs_.testoRecord);
    if (!saved && saved.problem.outOfReachForNow) {
        box(tr("Il tuo record di %1 punti, a nome %2, non è stato registrato: il record non si può scrivere "
               "ora.\n\n%3: %4")
                .arg(scoreText, gs_.testoRecord, saved.problem.path, saved.problem.reason),
            MsgStyle::OkOnly);
        endProgram(EXIT_FAILURE);
        return;
    }
    if (!saved) {
        failOnFile(saved.problem);
        return;
    }
    // Another game may have saved a higher score since this one started.
    if (*saved.value == SaveVerdict::NotARecord) {
        endProgram();
        return;
    }
    // Another game holds the record and has not let go: the save waits for it.
    if (*saved.value == SaveVerdict::Kept) {
        box(tr("Il tuo record sarà registrato appena il computer lo permette."), MsgStyle::OkOnly);
        endProgram();
        return;
    }
    box(tr("Ok ho registrato il tuo record, C A M P I O N E\""), MsgStyle::OkOnly);
    endProgram();
}

} // namespace orvetta
