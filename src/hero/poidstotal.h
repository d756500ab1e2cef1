#pragma once
// The carried weight: every weight field of the hero sheet and the equipment sheet plus the
// coins, written into perso.poidstransporte and equip.poidstransporte.

// With the equipment sheet's coins.
void poidstotal();
// With the skills sheet's coins (its coin boxes check the load before the mirror runs).
void poidstotalattrib();
