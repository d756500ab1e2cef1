#include "equipment/coinchange.h"

#include "common/controls.h"
#include "common/money.h"
#include "common/textnum.h"
#include "equipment/loadlimit.h"
#include "equipment/purse.h"
#include "hero/poidstotal.h"

#include <initializer_list>

namespace {

using purse::Coin;
using purse::Sheet;

struct Step {
    Coin lower, upper;
};
constexpr Step steps[] = {
    {Coin::Cuivre, Coin::Bronze}, {Coin::Bronze, Coin::Argent}, {Coin::Argent, Coin::Or}};

TextBox* box(Coin coin) {
    return purse::coinBox(Sheet::Equip, coin);
}

// Writes a step's two counts, the upper coin first, while the boxes' own handling waits.
void write(std::initializer_list<Sheet> sheets, const Step& step, const QString& upper,
           const QString& lower) {
    const LoadChecksHeld held;
    for (Sheet sheet : sheets) {
        purse::coinBox(sheet, step.upper)->setText(upper);
        purse::coinBox(sheet, step.lower)->setText(lower);
    }
}

} // namespace

void changemonnaie() {
    // With a hero the steps show on both sheets as the purse mirror leaves a count: an emptied
    // box shows "0".
    const bool mirrored = loadChecksActive();
    const auto shown = [mirrored](const QString& text) {
        return mirrored ? textnum::plainText(text) : text;
    };
    for (const Step& step : steps) {
        const QString lowerWas = box(step.lower)->text(), upperWas = box(step.upper)->text();
        // A step that could not keep every coin, and every part of one, leaves both boxes be.
        const std::optional<money::Count> lower = money::Count::read(lowerWas);
        const std::optional<money::Count> upper = money::Count::read(upperWas);
        const std::optional<money::Changed> changed =
            lower && upper ? money::changeUp(*lower, *upper) : std::nullopt;
        if (!changed) continue;
        const QString lowerText = shown(changed->lower != 0 ? changed->lower.text() : QString());
        const QString upperText = shown(changed->upper.text());
        if (lowerText == lowerWas && upperText == upperWas) continue;

        write({Sheet::Equip}, step, upperText, lowerText);
        if (!mirrored) continue;
        // The two coins of a step are one change, weighed, kept or refused together: weighed
        // one at a time, a debt could let the first pass and refuse the second, and the purse
        // would lose what the first carried. A step that carries nothing weighs nothing.
        if (changed->upper != *upper) {
            poidstotal();
            if (overLoadLimit()) {
                chargeMaximumDepassee();
                write({Sheet::Equip}, step, upperWas, lowerWas);
                poidstotal();
                continue;
            }
        }
        write({Sheet::Attrib}, step, upperText, lowerText);
    }
}
