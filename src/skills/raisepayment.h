#pragma once
// The payment of an accepted raise (`payecout` on the sheets): the skill, the purse of both
// sheets and the points à répartir change together, or not at all.
#include "common/controls.h"
#include "skills/raise.h"

namespace skills {

enum class PaymentOutcome {
    Paid,
    Short,   // the points or the purse no longer cover the cost: nothing paid, nothing said
    OverLoad // refused at the load limit, and said so
};

// Pays `cost` and writes `newValue` into the skill's value box. The raise buttons are disabled
// while it runs. The cost dialog's verdict is given again on the points and purse as they now
// stand (the dialog is not modal); the price is paid on a copy of `attrib`'s purse in the coin
// order of skills::payecout(). When a loaded hero would then carry more than the load limit
// and more than before ("Charge maximum dépassée !"), nothing changes. Otherwise the four coin
// counts are written with the coin checks held back, the carried weight is computed once, the
// purse is copied to `equip` once (a hero being loaded), and the points are taken.
PaymentOutcome payRaise(TextBox* skillBox, int newValue, RaiseCost cost);

} // namespace skills
