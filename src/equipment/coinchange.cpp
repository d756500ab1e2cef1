#include "equipment/coinchange.h"

#include "common/controls.h"
#include "common/money.h"
#include "common/textnum.h"
#include "equipment/loadlimit.h"
#include "equipment/purse.h"
#include "hero/poidstotal.h"

namespace {

using purse::Coin;

struct Step {
    Coin lower, upper;
};
constexpr Step steps[] = {
    {Coin::Cuivre, Coin::Bronze}, {Coin::Bronze, Coin::Argent}, {Coin::Argent, Coin::Or}};

TextBox* box(Coin coin) {
    return purse::coinBox(purse::Sheet::Equip, coin);
}

// Writes a count; its box's handling may refuse it over the load limit and put the old count
// back. Whether the box now holds the count.
bool writeCount(Coin coin, const QString& text) {
    box(coin)->setText(text);
    return box(coin)->value() == textnum::val(text);
}

bool heroOverLimit() {
    if (!heroLoaded()) return false;
    poidstotal();
    return overLoadLimit();
}

} // namespace

void changemonnaie() {
    for (const Step& step : steps) {
        // A step that could not keep every coin, and every part of one, leaves both boxes be.
        const std::optional<money::Changed> changed =
            money::changeUp(box(step.lower)->value(), box(step.upper)->value());
        if (!changed) continue;
        const QString lowerText =
            changed->lower != 0 ? textnum::fmtExact(changed->lower) : QString();
        const QString upperText = textnum::fmtExact(changed->upper);
        // Within the limit the lower coin goes first, so that a positive count never weighs
        // more in between than the purse did. Over it every change is refused: the upper coin
        // goes first, and its refusal leaves the purse whole. Either way the second write
        // waits for the first to be kept.
        if (heroOverLimit()) {
            if (writeCount(step.upper, upperText)) writeCount(step.lower, lowerText);
        } else {
            if (writeCount(step.lower, lowerText)) writeCount(step.upper, upperText);
        }
    }
}
