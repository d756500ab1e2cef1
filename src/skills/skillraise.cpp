#include "skills/skillraise.h"

#include "common/chance.h"
#include "common/clock.h"
#include "common/messagebox.h"
#include "common/shared.h"
#include "hero/perso.h"
#include "skills/coutpoint.h"
#include "skills/raise.h"
#include "skills/raisepayment.h"
#include "skills/skillcontrols.h"
#include "skills/skilltable.h"
#include "skills/skilltest.h"

#include <QPointer>

namespace skills {
namespace {

// What the raise rules read on `perso`.
HeroFields heroFields() {
    Perso& p = perso();
    HeroFields hero{.intelligence = p.intelligence->text(),
                    .adresse = p.adresse->text(),
                    .force = p.force->text(),
                    .charisme = p.charisme->text(),
                    .courage = p.courage->text(),
                    .devotion = p.devotion->text()};
    // In HeroType order.
    const std::array<OptionButton*, heroTypeCount> options = {
        p.aventurier, p.guerrier, p.nain,   p.magicien, p.elfe,
        p.elfebois,   p.cavalier, p.druide, p.pretre,   p.autrerace};
    for (int t = 0; t < heroTypeCount; ++t)
        hero.ticked[t] = options[t]->value();
    return hero;
}

bool raising = false;

// Marks a raise under way from the click to the end of its payment.
class RaiseUnderWay {
public:
    RaiseUnderWay() { raising = true; }
    ~RaiseUnderWay() { raising = false; }
    RaiseUnderWay(const RaiseUnderWay&) = delete;
    RaiseUnderWay& operator=(const RaiseUnderWay&) = delete;
};

} // namespace

void raiseSkill(SkillId id) {
    // Two raises would share the dialog's figures and answer.
    if (raising) return;
    const RaiseUnderWay underWay;

    const SkillRow& row = skillRow(id);
    Attrib& sheet = attrib();
    QPointer<TextBox> box = valueBox(sheet, id);
    const auto capping = cappingSkill(row);
    const QString cappingValue = capping ? valueBox(sheet, *capping)->text() : QString();
    const RaiseDecision decision = decideRaise(row, box->text(), heroFields(), cappingValue);
    if (decision.outcome == RaiseOutcome::Ignored) return;
    if (decision.outcome == RaiseOutcome::Refused) {
        msgBox(decision.message, MsgIcon::Critical, QString());
        return;
    }

    shared::valeurapt = decision.valeurapt;
    QPointer<Coutpoint> dialog = &coutpoint();
    dialog->points->setCaption(textnum::fmt(decision.cost.points));
    dialog->prixpoints->setCaption(textnum::fmt(decision.cost.price));
    dialog->affichecout();
    // The sheet may be hidden meanwhile (the sheet buttons) and the raise still answered;
    // closing the sheet ends the program, which ends the wait too.
    appclock::waitWhileVisible(dialog);

    // Only an answer counts: `accepte` already holds the verdict while the dialog shows, and a
    // wait cut short by the end of the program pays nothing. The close box leaves it False.
    if (dialog && dialog->isVisible()) return;
    if (!shared::accepte || !forms::isLoaded<Attrib>() || !box) return;
    switch (payRaise(box, decision.newValue, decision.cost)) {
    case PaymentOutcome::Paid:
        coutpoint().prixpoints->setCaption(textnum::fmt(0)); // nothing left to pay
        break;
    case PaymentOutcome::Short:
        // Accepted, then the points or the purse changed: the dialog says what is short now.
        dialog = &coutpoint();
        dialog->affichecout();
        appclock::waitWhileVisible(dialog);
        break;
    case PaymentOutcome::OverLoad:
        break;
    }
}

void testSkill(SkillId id) {
    const QString value = valueBox(attrib(), id)->text();
    const SkillTestResult result = epreuveaptitude(value, chance::d20());
    shared::valeurapt = result.valeurapt;
    msgBox(result.text, MsgIcon::Information, epreuveTitle());
}

} // namespace skills
