#include "equipment/purse.h"

#include "common/controls.h"
#include "equipment/equip.h"
#include "equipment/loadlimit.h"
#include "hero/poidstotal.h"
#include "skills/attrib.h"

namespace purse {

namespace {

Sheet twinOf(Sheet sheet) {
    return sheet == Sheet::Attrib ? Sheet::Equip : Sheet::Attrib;
}

// Every digit goes across: a sixteen-digit count rounded to fifteen would make or lose coins.
void copyCount(Sheet from, Sheet to, Coin coin) {
    coinBox(to, coin)->setText(textnum::fmtExact(coinBox(from, coin)->value()));
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
    // Weighed with this sheet's coins: the twin still holds the purse as it was.
    if (sheet == Sheet::Attrib)
        poidstotalattrib();
    else
        poidstotal();

    const Sheet twin = twinOf(sheet);
    if (overLoadLimit()) {
        chargeMaximumDepassee();
        copyCount(twin, sheet, coin);
    } else {
        copyCount(sheet, twin, coin);
    }
}

money::Counts counts(Sheet sheet) {
    money::Counts values{};
    for (std::size_t i = 0; i < coins.size(); ++i)
        values[i] = coinBox(sheet, coins[i])->value();
    return values;
}

void writeBothSheets(const money::Counts& counts) {
    const LoadChecksHeld held;
    for (Sheet sheet : {Sheet::Attrib, Sheet::Equip})
        for (std::size_t i = 0; i < coins.size(); ++i) {
            TextBox* box = coinBox(sheet, coins[i]);
            box->setText(textnum::fmtExact(counts[i]));
            box->repaint();
        }
}

} // namespace purse
