#include "equipment/purse.h"

#include "common/controls.h"
#include "common/runtimeerror.h"
#include "common/textnum.h"
#include "equipment/equip.h"
#include "equipment/loadlimit.h"
#include "hero/poidstotal.h"
#include "skills/attrib.h"

namespace purse {

namespace {

Sheet twinOf(Sheet sheet) {
    return sheet == Sheet::Attrib ? Sheet::Equip : Sheet::Attrib;
}

// The count one sheet's box reads as, written plainly into the other's, or into its own when
// the user leaves it. Every digit goes across, decimals as written: a count rounded on the way
// would make or lose part of a coin, or turn a count money refuses into one it accepts.
void writeCount(Sheet from, Sheet to, Coin coin) {
    coinBox(to, coin)->setText(textnum::plainText(coinBox(from, coin)->text()));
}

// The mirror's copy, which leaves alone a box the user is typing in: a sign or a point tidied
// away under the caret would change what his next key makes of the count ("-" then "3" is a
// debt, "5," then "5" is 5).
void copyCount(Sheet from, Sheet to, Coin coin) {
    if (!coinBox(to, coin)->beingTyped()) writeCount(from, to, coin);
}

// Whether the purse as this sheet holds it takes the hero over the load limit. A purse too
// large to weigh at all is over any limit.
bool overLimitWith(Sheet sheet) {
    try {
        if (sheet == Sheet::Attrib)
            poidstotalattrib();
        else
            poidstotal();
    } catch (const RuntimeError& error) {
        if (error.number() != 6) throw;
        return true;
    }
    return overLoadLimit();
}

} // namespace

TextBox* coinBox(Sheet sheet, Coin coin) {
    return sheet == Sheet::Attrib ? attrib().coinBox(coin) : equip().coinBox(coin);
}

TextBox* boxOf(Coin coin, TextBox* gold, TextBox* silver, TextBox* bronze, TextBox* copper) {
    switch (coin) {
    case Coin::Or:
        return gold;
    case Coin::Argent:
        return silver;
    case Coin::Bronze:
        return bronze;
    case Coin::Cuivre:
        break;
    }
    return copper;
}

void coinChanged(Sheet sheet, Coin coin) {
    if (!loadChecksActive()) return;
    const Sheet twin = twinOf(sheet);
    // Weighed with this sheet's coins: the twin still holds the purse as it was, and gives the
    // refused box its count back.
    if (overLimitWith(sheet)) {
        chargeMaximumDepassee();
        writeCount(twin, sheet, coin);
        return;
    }
    copyCount(sheet, twin, coin);
    // A count written by code takes the twin's count back, tidied: the twin's handling does so
    // only when the twin changed, which "4" written on as "4a" does not.
    copyCount(twin, sheet, coin);
}

void coinLeft(Sheet sheet, Coin coin) {
    if (loadChecksActive()) writeCount(sheet, sheet, coin);
}

std::optional<money::Counts> counts(Sheet sheet) {
    return money::read(coinBox(sheet, Coin::Or)->text(), coinBox(sheet, Coin::Argent)->text(),
                       coinBox(sheet, Coin::Bronze)->text(), coinBox(sheet, Coin::Cuivre)->text());
}

void writeBothSheets(const money::Counts& counts) {
    const LoadChecksHeld held;
    for (Sheet sheet : {Sheet::Attrib, Sheet::Equip})
        for (std::size_t i = 0; i < coins.size(); ++i) {
            TextBox* box = coinBox(sheet, coins[i]);
            box->setText(counts[i].text());
            box->repaint();
        }
}

} // namespace purse
