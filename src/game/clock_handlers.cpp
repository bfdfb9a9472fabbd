// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/countdown.h"
#include "game/Tavola.h"
#include "numbers/number_text.h"
#include "window/TavolaWindow.h"

#include <QScopedValueRollback>

namespace orvetta {

void Tavola::AvviaCronometro()
{
    form_->Timer1->setEnabled(true);
    gs_.ore = 0;
    gs_.minuti = 15;
    gs_.secondi = 0;
    gs_.secondiRestanti = 900;
    form_->lblconto->setCaption(formatTwoDigits(gs_.ore) + QStringLiteral(":15:")
                                + formatTwoDigits(static_cast<int>(gs_.secondi)));
}

void Tavola::Timer1_Timer()
{
    // A tick that falls due while a box of an earlier tick is still open does
    // nothing, so that the boxes never pile up.
    if (tickRunning_)
        return;
    const QScopedValueRollback inTick(tickRunning_, true);

    if (form_->lblconto->caption() == QStringLiteral("00:00:00")) {
        cmdExit_Click();
        if (ended_)
            return;
    }
    if (gs_.secondiRestanti < 1) {
        box(tr("Tempo scaduto"), MsgStyle::OkOnly);
        form_->Timer1->setEnabled(false);
        platform_.beep();
        return;
    }
    countDownOneSecond(gs_.ore, gs_.minuti, gs_.secondi, gs_.secondiRestanti);
    form_->lblconto->setCaption(clockText(gs_.ore, gs_.minuti, gs_.secondi));
}

} // namespace orvetta
