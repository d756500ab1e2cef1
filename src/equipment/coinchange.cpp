#include "equipment/coinchange.h"

#include "common/controls.h"
#include "common/money.h"
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
// back, or write it again as a number ("" comes back as "0"). Whether the box now holds the
// count.
bool writeCount(Coin coin, const QString& text) {
    box(coin)->setText(text);
    return money::Count::read(box(coin)->text()) == money::Count::read(text);
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
        const std::optional<money::Count> lower = money::Count::read(box(step.lower)->text());
        const std::optional<money::Count> upper = money::Count::read(box(step.upper)->text());
        const std::optional<money::Changed> changed =
            lower && upper ? money::changeUp(*lower, *upper) : std::nullopt;
        if (!changed) continue;
        const QString lowerText = changed->lower != 0 ? changed->lower.text() : QString();
        const QString upperText = changed->upper.text();
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
