#include "equipment/coinchange.h"

#include "common/controls.h"
#include "common/textnum.h"
#include "equipment/loadlimit.h"
#include "equipment/purse.h"
#include "hero/poidstotal.h"

#include <cmath>

namespace {

using purse::Coin;

struct Step {
    Coin lower, upper;
};
constexpr Step steps[] = {
    {Coin::Cuivre, Coin::Bronze}, {Coin::Bronze, Coin::Argent}, {Coin::Argent, Coin::Or}};

// Past this a count no longer holds whole coins exactly; such a box is left as it is.
constexpr double largestCount = 1e15;

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
        const double value = box(step.lower)->value();
        if (std::abs(value) >= largestCount) continue;
        const long long count = textnum::roundHalfEven(value);
        const long long quotient = count / 10; // toward zero: the remainder keeps the sign
        const long long reste = count % 10;

        const QString lowerText = reste != 0 ? textnum::fmt(reste) : QString();
        const QString upperText = textnum::fmt(box(step.upper)->value() + quotient);
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
