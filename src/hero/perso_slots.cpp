// The weapon, ammunition and protection slots of the hero sheet, and the load check of their
// weights.
#include "hero/perso.h"

#include "equipment/itemfile.h"
#include "equipment/itemlists.h"
#include "equipment/itemname.h"
#include "equipment/itemweight.h"
#include "equipment/loadlimit.h"
#include "tools/transfertheros.h"

std::vector<TextBox*> Perso::meleeCompanions(int slot) const {
    return {armeAttaque[slot], armeParade[slot], facteur[slot], pim1[slot], pim2[slot],
            poidsmelee[slot]};
}

std::vector<TextBox*> Perso::distanceCompanions(int slot) const {
    return {pid1[slot], pid2[slot], portee[slot], poidsdistance[slot]};
}

std::vector<TextBox*> Perso::munitionCompanions(int slot) const {
    return {poidsunitaire[slot], quantite[slot], poidsmunition[slot]};
}

std::vector<TextBox*> Perso::protectionCompanions(int slot) const {
    return {prot[slot], malus[slot], poidsprotection[slot]};
}

void Perso::melee_Change(int slot) { itemNameChanged(*melee[slot], meleeCompanions(slot)); }
void Perso::distance_Change(int slot) { itemNameChanged(*distance[slot], distanceCompanions(slot)); }
void Perso::munition_Change(int slot) { itemNameChanged(*munition[slot], munitionCompanions(slot)); }
void Perso::protection_Change(int slot) {
    itemNameChanged(*protection[slot], protectionCompanions(slot));
}

void Perso::melee_Click(int slot) {
    readItemInto(*melee[slot], QStringLiteral(".arm"), meleeCompanions(slot));
}

void Perso::distance_Click(int slot) {
    readItemInto(*distance[slot], QStringLiteral(".ard"), distanceCompanions(slot));
}

void Perso::protection_Click(int slot) {
    readItemInto(*protection[slot], QStringLiteral(".pro"), protectionCompanions(slot));
}

// An ammunition file gives the weight of the whole batch (line 2) and its count (line 3); the
// slot keeps the weight of one piece, from which the batch weight follows.
void Perso::munition_Click(int slot) {
    rafraichlistes();
    QStringList lines;
    const int error = trapErrors([&] {
        TextInput file = openItemFile(munition[slot]->text(), QStringLiteral(".mun"));
        lines = itemrecord::readLines(file, 3);
    });
    // The count goes first so that no batch of the old count at the new weight is ever
    // weighed against the load limit.
    quantite[slot]->clear();
    if (error) {
        for (TextBox* box : munitionCompanions(slot)) box->clear();
    } else {
        const double batch = textnum::val(lines.at(1));
        const double count = textnum::val(lines.at(2));
        // A count of 0 holds no piece to weigh.
        poidsunitaire[slot]->setValue(count == 0 ? 0 : batch / count);
        quantite[slot]->setText(lines.at(2));
        // A unit weight such as 5 / 3 is written rounded, and its product misses the file's
        // figure by a last digit: the batch, once carried, weighs what the file says.
        if (count != 0 && !quantite[slot]->text().isEmpty()) poidsmunition[slot]->setValue(batch);
    }
    erreurobjet(error);
}

void Perso::poidsunitaire_Change(int slot) { writeBatch(slot, poidsunitaire[slot]); }

void Perso::quantite_Change(int slot) {
    writeBatch(slot, quantite[slot]);
    checkLoad(*quantite[slot]);
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
    transfertheros();
}

void Perso::poids_Change(TextBox* weight) { checkLoad(*weight); }
