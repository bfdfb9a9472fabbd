// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Tavola.h"
#include "numbers/number_text.h"
#include "quiz/question_draw.h"
#include "window/TavolaWindow.h"

namespace orvetta {

void Tavola::cmdNext_Click()
{
    TavolaWindow& w = *form_;
    w.lblMessage->setCaption(QString());
    platform_.randomize();
    w.txtAnswer->setText(QString());
    w.Text3->setText(QString());
    w.Text3->setText(plainNumberText(drawWholeNumber(platform_.rnd())));
    w.txtAnswer->setText(plainNumberText(drawWholeNumber(platform_.rnd())));

    w.lblScore1->setCaption(formatWhole(gs_.nErrate));
    w.lblScore->setCaption(formatWhole(gs_.nEsatte));
    // Counted in full width: two full counters still show their true total.
    w.lblScore2->setCaption(formatWhole(static_cast<long long>(gs_.nEsatte) + gs_.nErrate));

    // 256 bands from black at the top to blue at the bottom, in a vertical
    // unit of 1/512 of the client height. The outer width in twips, taken as
    // pixels, always reaches past the right edge.
    gs_.yBanda = 0;
    gs_.kBanda = 0;
    Painting background;
    background.scaleHeight = 512;
    for (gs_.kBanda = 0; gs_.kBanda <= 255; ++gs_.kBanda) {
        const int outerWidthTwips = w.frameGeometry().width() * 15;
        background.fillBox(0, gs_.yBanda, outerWidthTwips, gs_.yBanda + 2,
                           static_cast<std::uint32_t>(gs_.kBanda) * 65536u);
        gs_.yBanda += 2;
    }
    w.surface->setPainting(std::move(background));

    w.Option1->setSelected(false);
    w.Option2->setSelected(false);
    w.Option3->setSelected(false);
    w.cmdNext->setEnabled(false);
}

} // namespace orvetta
