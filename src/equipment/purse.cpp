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

// Every digit goes across, decimals as written: a count rounded on the way would make or lose
// part of a coin. A count beyond whole coins goes as the number it reads as.
void copyCount(Sheet from, Sheet to, Coin coin) {
    const QString text = coinBox(from, coin)->text();
    const std::optional<money::Count> count = money::Count::read(text);
    coinBox(to, coin)->setText(count ? count->text() : textnum::fmtExact(textnum::val(text)));
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
