#include "equipment/purse.h"

#include "common/controls.h"
#include "common/textnum.h"
#include "equipment/equip.h"
#include "equipment/loadlimit.h"
#include "hero/poidstotal.h"
#include "skills/attrib.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace purse {

namespace {

Sheet twinOf(Sheet sheet) {
    return sheet == Sheet::Attrib ? Sheet::Equip : Sheet::Attrib;
}

// A count the user may be in the middle of typing: a sign, a point or a trailing zero that the
// plain text would drop changes what the next key makes of it ("-" then "5" is a debt). A
// superfluous leading zero changes nothing of it, and goes ("05" is 5).
bool beingTyped(const QString& text) {
    static const QRegularExpression typing(u"^-?(0|[1-9][0-9]*)?(\\.[0-9]*)?$"_s);
    return !text.isEmpty() && typing.match(text).hasMatch();
}

// Every digit goes across, decimals as written: a count rounded on the way would make or lose
// part of a coin, or turn a count money refuses into one it accepts. A box the user is typing
// in keeps his text while it already reads as the count.
void copyCount(Sheet from, Sheet to, Coin coin) {
    const QString count = textnum::plainText(coinBox(from, coin)->text());
    TextBox* box = coinBox(to, coin);
    if (beingTyped(box->text()) && textnum::plainText(box->text()) == count) return;
    box->setText(count);
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
    if (overLoadLimit())
        chargeMaximumDepassee();
    else
        copyCount(sheet, twin, coin);
    // The box then takes the twin's count: the old one when refused, else its own, tidied.
    // The twin's handling does so only when the twin changed, which "4" typed on into "4a"
    // does not.
    copyCount(twin, sheet, coin);
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
