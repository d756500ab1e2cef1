#pragma once
// What the coin and weight boxes of both sheets share: whether a hero is there to weigh, and
// the refusal when the carried weight passes the load limit.

// A hero is loaded while `perso.force` is not empty; without one nothing is weighed.
bool heroLoaded();

// Whether `equip.poidstransporte` is above `equip.poidsmaximum` (equal passes).
bool overLoadLimit();

// "Charge maximum dépassée !", exclamation icon, empty title.
void chargeMaximumDepassee();
