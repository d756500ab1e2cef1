#pragma once
// The carried weight: every weight field of the hero sheet and the equipment sheet plus the
// coins, written into perso.poidstransporte and equip.poidstransporte.

// With the equipment sheet's coins.
void poidstotal();
// With the skills sheet's coins (its coin boxes check the load before the mirror runs).
void poidstotalattrib();
// The weight of the items alone, as the carried weight counts them: what the shop weighs a
// purchase or a sale against before writing anything.
double poidsobjets();
