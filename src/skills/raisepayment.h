#pragma once
// The payment of an accepted raise (`payecout` on the sheets): the skill, the purse of both
// sheets and the points à répartir change together, or not at all.
#include "common/controls.h"
#include "skills/raise.h"

namespace skills {

// Pays `cost` and writes `newValue` into the skill's value box. The raise buttons are disabled
// while it runs. The price is paid on a copy of `attrib`'s purse in the coin order of
// skills::payecout(); when the purse cannot pay it, or a loaded hero would then carry more
// than the load limit and more than before ("Charge maximum dépassée !"), nothing changes.
// Otherwise the four coin counts are written with the coin checks held back, the carried
// weight is computed once, the purse is copied to `equip` once (a hero being loaded), and the
// points are taken. Returns whether the raise was paid.
bool payRaise(TextBox* skillBox, int newValue, RaiseCost cost);

} // namespace skills
