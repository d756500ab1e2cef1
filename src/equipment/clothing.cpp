// The clothing slots: a chosen garment's weight comes from its ".hab" file.
#include "equipment/equip.h"
#include "equipment/itemhandlers.h"
#include "equipment/itemname.h"
#include "hero/poidstotal.h"

void vetement_Click(int slot) {
    readItemInto(*equip().vetement[slot], QStringLiteral(".hab"), {equip().poidsvetement[slot]});
    poidstotal();
}

void vetement_Change(int slot) {
    itemNameChanged(*equip().vetement[slot], {equip().poidsvetement[slot]});
}
