// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Tavola.h"
#include "numbers/number_text.h"
#include "quiz/judging.h"
#include "window/TavolaWindow.h"

namespace orvetta {
namespace {

constexpr std::uint32_t pureGreen = 65280;
constexpr std::uint32_t pureRed = 255;

struct Fraction {
    double numerator;
    double denominator;
};

Fraction fractionOnScreen(const TavolaWindow& w)
{
    return {lenientValue(w.txtAnswer->text()), lenientValue(w.Text3->text())};
}

} // namespace

void Tavola::showVerdict(Verdict verdict, const QString& rightText)
{
    switch (verdict) {
    case Verdict::Right:
        gs_.nEsatte = countOneMore(gs_.nEsatte);
        form_->tipo->setForeColor(pureGreen);
        form_->tipo->setCaption(rightText);
        break;
    case Verdict::Wrong:
        gs_.nErrate = countOneMore(gs_.nErrate);
        form_->tipo->setCaption(tr("Fai attenzione"));
        form_->tipo->setForeColor(pureRed);
        break;
    case Verdict::Uncounted: break;
    }
    cmdNext_Click();
}

void Tavola::Option1_MouseUp()
{
    const Fraction f = fractionOnScreen(*form_);
    showVerdict(judgeImproper(f.numerator, f.denominator), tr("Sei mitico"));
}

void Tavola::Option2_MouseUp()
{
    const Fraction f = fractionOnScreen(*form_);
    showVerdict(judgeProper(f.numerator, f.denominator), tr("Sei  un campione"));
}

void Tavola::Option3_MouseUp()
{
    form_->tipo->setCaption(QString());
    const Fraction f = fractionOnScreen(*form_);
    showVerdict(judgeApparent(f.numerator, f.denominator), tr("Sei veramente un asso"));
}

} // namespace orvetta
