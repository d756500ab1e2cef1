// The weapon, ammunition and protection slots of the hero sheet, and the load check of their
// weights.
#include "hero/perso.h"

#include "equipment/loadlimit.h"
#include "hero/poidstotal.h"

namespace {

void empty(std::initializer_list<TextBox*> companions) {
    for (TextBox* box : companions) box->clear();
}

} // namespace

// An emptied name frees the slot: its companions go too, in this order.
void Perso::melee_Change(int slot) {
    if (!melee[slot]->text().isEmpty()) return;
    empty({armeAttaque[slot], armeParade[slot], facteur[slot], pim1[slot], pim2[slot],
           poidsmelee[slot]});
}

void Perso::distance_Change(int slot) {
    if (!distance[slot]->text().isEmpty()) return;
    empty({pid1[slot], pid2[slot], portee[slot], poidsdistance[slot]});
}

void Perso::munition_Change(int slot) {
    if (!munition[slot]->text().isEmpty()) return;
    empty({poidsunitaire[slot], quantite[slot], poidsmunition[slot]});
}

void Perso::protection_Change(int slot) {
    if (!protection[slot]->text().isEmpty()) return;
    empty({prot[slot], malus[slot], poidsprotection[slot]});
}

void Perso::poidsunitaire_Change(int slot) { writeBatch(slot, poidsunitaire[slot]); }

void Perso::quantite_Change(int slot) {
    writeBatch(slot, quantite[slot]);
    checkLoad(quantite[slot]);
}

void Perso::writeBatch(int slot, TextBox* changed) {
    // A product only: an empty or zero count or unit weight gives a batch of 0, never a division.
    const QString batch = textnum::fmt(quantite[slot]->value() * poidsunitaire[slot]->value());
    poidsmunition[slot]->setText(batch);
    // The batch weight refused by the load check takes back the figure that made it, so that no
    // count is left carried for nothing.
    if (poidsmunition[slot]->text() != batch) changed->clear();
}

// The malus of a protection is taken off adresse once: a new malus first gives the old one back,
// so that emptying it restores adresse.
void Perso::malus_Change(int slot) {
    const double now = malus[slot]->value();
    adresse->setValue(adresse->value() + malusapplique[slot] - now);
    malusapplique[slot] = now;
}

void Perso::poids_Change(TextBox* weight) { checkLoad(weight); }

void Perso::checkLoad(TextBox* changed) {
    // Without a hero there is no limit to hold.
    if (!loadChecksActive()) return;
    poidstotal();
    if (overLoadLimit()) {
        chargeMaximumDepassee();
        changed->clear();
    }
}
