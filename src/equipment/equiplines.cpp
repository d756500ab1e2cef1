// The equipment lines: a chosen item's weight is looked up whatever its kind.
#include "common/shared.h"
#include "equipment/equip.h"
#include "equipment/itemfile.h"
#include "equipment/itemhandlers.h"
#include "equipment/itemlists.h"
#include "equipment/itemname.h"
#include "equipment/itemweight.h"

void equip_Click(int line) {
    Equip& sheet = equip();
    rafraichlistes();
    // An item whose weight cannot be read weighs nothing here, never what the buffer last held.
    QString weight;
    const int error = trapErrors([&] {
        shared::nomobjet = sheet.equip[line]->text();
        if (chargeobjet()) weight = shared::objetligne[1];
    });
    sheet.poidsequip[line]->setText(weight);
    erreurobjet(error);
}

void equip_Change(int line) {
    itemNameChanged(*equip().equip[line], {equip().poidsequip[line]});
}

void connectItemHandlers(Equip& sheet) {
    for (int slot = 1; slot <= 16; ++slot) {
        sheet.vetement[slot]->onClick([slot] { vetement_Click(slot); });
        sheet.vetement[slot]->onChange([slot] { vetement_Change(slot); });
    }
    for (int line = 1; line <= 24; ++line) {
        sheet.equip[line]->setSorted(true);
        sheet.equip[line]->onClick([line] { equip_Click(line); });
        sheet.equip[line]->onChange([line] { equip_Change(line); });
    }
    for (int filter = 1; filter <= 4; ++filter)
        sheet.Option[filter]->onClick([filter] { Option_Click(filter); });
}
