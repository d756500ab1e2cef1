// The clothing slots: a chosen garment's weight comes from its ".hab" file.
#include "equipment/equip.h"
#include "equipment/itemfile.h"
#include "equipment/itemhandlers.h"
#include "equipment/itemlists.h"
#include "equipment/itemname.h"
#include "equipment/itemweight.h"
#include "hero/poidstotal.h"

void vetement_Click(int slot) {
    Equip& sheet = equip();
    rafraichlistes();
    // A garment whose weight cannot be read weighs nothing here, rather than keeping the
    // weight of the one chosen before.
    QString weight;
    const int error = trapErrors([&] {
        TextInput file = openItemFile(sheet.vetement[slot]->text(), QStringLiteral(".hab"));
        weight = readItemLines(file, 2).at(1);
    });
    sheet.poidsvetement[slot]->setText(weight);
    poidstotal();
    erreurobjet(error);
}

void vetement_Change(int slot) {
    itemNameChanged(*equip().vetement[slot], {equip().poidsvetement[slot]});
}
