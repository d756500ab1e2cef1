// Which changes on the hero sheet copy the hero again. The fields with work of their own
// (force, life energy, the maluses) call the copy at the end of it.
#include "hero/perso.h"
#include "tools/transfertheros.h"

void wireTransfertheros(Perso& p) {
    // The weapon's modifiers and the bonuses are part of the copy too: without them a new
    // weapon of the same damage, or a bonus edited by hand, would leave the copy stale.
    for (TextBox* box :
         {p.courage, p.intelligence, p.charisme, p.adresse, p.endurance, p.attaque, p.parade,
          p.pim1[1], p.pim2[1], p.prot[1], p.prot[2], p.prot[3], p.armeAttaque[1], p.armeParade[1],
          p.bonusattaque, p.bonusparade, p.bonusparade2})
        box->onChange(transfertheros);
    for (OptionButton* type : p.typeGroup.buttons())
        type->onClick(transfertheros);
}
