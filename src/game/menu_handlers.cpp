// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/countdown.h"
#include "game/Tavola.h"
#include "window/TavolaWindow.h"

namespace orvetta {

void Tavola::HELP_Click()
{
    box(tr("%1 devi solo ripassare le caratteristiche dei vari tipi di frazioni e cliccare sul pulsante "
           "corrispondente.  Ciao")
            .arg(form_->lblnome1->caption()),
        MsgStyle::OkOnly);
}

void Tavola::Next_Click()
{
    if (box(tr("INIZIAMO UNA NUOVA GARA  ?"), MsgStyle::YesNoQuestionDefaultNo, tr("INIZIARE NUOVA GARA"))
        != MsgAnswer::Yes)
        return;
    gs_.nErrate = 0;
    gs_.nEsatte = 0;
    Unload();
    Show();
}

void Tavola::Form_Resize()
{
    if (form_->windowState() & Qt::WindowMinimized)
        TempoInTitolo();
    else
        form_->setWindowTitle(QStringLiteral("Tessaloro"));
}

void Tavola::TempoInTitolo()
{
    form_->setWindowTitle(remainingTimeText(gs_.secondiRestanti));
}

void Tavola::Command1_Click() {}

} // namespace orvetta
