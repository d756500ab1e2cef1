// A proposal to the merchant: his terms fixed at the deal's first proposal, the lights while
// he thinks it over, his answer.
#include "common/clock.h"
#include "common/itemrecord.h"
#include "common/messagebox.h"
#include "common/shared.h"
#include "shop/car.h"
#include "shop/haggling.h"
#include "shop/transaction.h"

namespace {

void say(Label* label, const QString& text) {
    label->setCaption(text);
    label->repaint();
}

} // namespace

void Transaction::proposer_Click() {
    say(reponse, QString());
    // Only an empty box is missing, but a proposal below nothing is no proposal.
    const bool noQuantity = quantite->text().isEmpty();
    const bool noProposal = hprop->text().isEmpty() || hprop->value() < 0;
    const QString blank; // these checks answer under an empty title
    if (noQuantity && noProposal) {
        msgBox(QStringLiteral("Renseignez une quantité et faites une proposition !"), MsgIcon::None,
               blank);
        return;
    }
    if (noQuantity) {
        msgBox(QStringLiteral("Renseignez une quantité !"), MsgIcon::None, blank);
        return;
    }
    if (noProposal) {
        msgBox(QStringLiteral("Faites une proposition !"), MsgIcon::None, blank);
        return;
    }
    if (!prixutilisable) {
        msgBox(QStringLiteral("Choisissez un objet dans la liste !"), MsgIcon::None, blank);
        return;
    }
    // No coin could pay or be credited in another unit.
    if (!itemrecord::isPriceUnit(shared::unitemonnaie)) {
        msgBox(QStringLiteral("Unité de prix inconnue !"), MsgIcon::Exclamation, blank);
        return;
    }

    const bool buying = achat->value();
    // The merchant's terms price one quantity: a proposal for another is a new deal.
    const bool newDeal = textnum::val(num->caption()) <= 0 || quantite->value() != quantitenegociee;
    say(num, newDeal ? QStringLiteral("1") : textnum::fmt(textnum::val(num->caption()) + 1));
    if (newDeal) {
        say(vprop, QString());
        say(reponse, QString());
        const double margin = haggling::margin(car().Slider->value());
        say(c, textnum::fmt(margin));
        quantitenegociee = quantite->value();
        const double price = haggling::merchantPrice(buying, quantitenegociee,
                                                     textnum::val(shared::prixunite), margin);
        say(prixnegocie, textnum::fmt(haggling::threshold(buying, price, margin)));
        say(vf, textnum::fmt(price));
    }

    for (int light = 1; light <= 7; ++light)
        lights[light]->setColor(haggling::colorValue(haggling::red));
    for (int light = 1; light <= 7; ++light) {
        boucle();
        lights[light]->setColor(haggling::colorValue(haggling::green));
    }
    boucle();
    for (int light = 1; light <= 7; ++light)
        lights[light]->rest();

    // The threshold as it was written, so that a proposal of the figure shown agrees.
    const double threshold = textnum::val(prixnegocie->caption());
    if (!haggling::agrees(buying, hprop->value(), threshold)) {
        say(reponse, buying ? QStringLiteral("Pas assez !") : QStringLiteral("Trop cher !"));
        bouton->setEnabled(false);
        return;
    }
    say(reponse, QStringLiteral(" D'accord !"));
    hprop->setEnabled(true);
    say(vprop, vf->caption());
    bouton->setEnabled(true);
}

// The merchant takes his time over a first proposal. The wait serves no event: a click meanwhile
// is handled once the answer is given.
void Transaction::boucle() {
    appclock::spinWait(textnum::val(num->caption()) <= 1 ? 0.7 : 0.1);
}
