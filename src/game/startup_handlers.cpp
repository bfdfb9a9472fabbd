// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/countdown.h"
#include "game/Tavola.h"
#include "seam/record_text.h"
#include "window/TavolaWindow.h"

namespace orvetta {

void Tavola::Form_Load()
{
    form_->Timer1->setEnabled(false);
    const QString name = platform_.inputBox(tr("Come ti chiami?"), applicationTitle);
    box(tr(" %1 vediamo se sei un vero campione  ").arg(name), MsgStyle::OkOnly);
    form_->lblnome1->setCaption(name);
    AvviaCronometro();

    gs_.cartellaWin = GetSystemDir();
    if (ended_)
        return;
    if (const FileOutcome opened = platform_.openRecord(); !opened) {
        if (!opened.problem.outOfReachForNow) {
            failOnFile(opened.problem);
            return;
        }
        // The record's row stays empty; a record saved at the end is still compared with the record.
        box(tr("Il record non si può leggere ora: si gioca senza vederlo.\n\n%1: %2")
                .arg(opened.problem.path, opened.problem.reason),
            MsgStyle::OkOnly);
    }
    const QString recordScore = Leggifiletxt(recordFilePath(recordScoreFile));
    if (ended_)
        return;
    form_->lblpunti->setCaption(recordScore);
    const QString recordHolder = Leggifiletxt(recordFilePath(recordHolderFile));
    if (ended_)
        return;
    form_->lblnome->setCaption(recordHolder);

    gs_.secondiRestanti = roundToInt16(gs_.secondi + 900.0f);
    form_->lblconto->setCaption(clockText(gs_.ore, gs_.minuti, gs_.secondi));
    cmdNext_Click();
}

void Tavola::Form_Activate()
{
    form_->Option2->setFocus();
    cmdNext_Click();
}

} // namespace orvetta
