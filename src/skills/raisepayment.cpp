#include "skills/raisepayment.h"

#include "common/money.h"
#include "equipment/loadlimit.h"
#include "equipment/purse.h"
#include "hero/poidstotal.h"
#include "skills/attrib.h"
#include "skills/costdialog.h"
#include "skills/payment.h"
#include "skills/skillcontrols.h"

#include <array>

namespace skills {
namespace {

using CoinTexts = std::array<QString, 4>; // gold, silver, bronze, copper

CoinTexts textsOf(purse::Sheet sheet) {
    CoinTexts texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = purse::coinBox(sheet, purse::coins[i])->text();
    return texts;
}

CoinTexts textsOf(const Purse& paid) {
    return {writeText(paid.piecesor), writeText(paid.piecesargent), writeText(paid.piecesbronze),
            writeText(paid.piecescuivre)};
}

void writeCoins(purse::Sheet sheet, const CoinTexts& texts) {
    const LoadChecksHeld held;
    for (int i = 0; i < 4; ++i)
        purse::coinBox(sheet, purse::coins[i])->setText(texts[i]);
}

long long weightOf(const Purse& p) {
    return money::coinWeight({p.piecesor.value_or(0), p.piecesargent.value_or(0),
                              p.piecesbronze.value_or(0), p.piecescuivre.value_or(0)});
}

// The raise buttons stay disabled while the payment runs, whichever way it ends.
class ButtonsDisabled {
public:
    explicit ButtonsDisabled(Attrib& sheet) : sheet_(sheet) { basculeboutons(sheet_); }
    ~ButtonsDisabled() { basculeboutons(sheet_); }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    Attrib& sheet_;
};

} // namespace

PaymentOutcome payRaise(TextBox* skillBox, int newValue, RaiseCost cost) {
    Attrib& sheet = attrib();
    const ButtonsDisabled disabled(sheet);

    const CoinTexts before = textsOf(purse::Sheet::Attrib);
    const std::optional<Purse> owned = Purse::fromTexts(before[0], before[1], before[2], before[3]);
    // The boxes stay live while the dialog shows: what it saw may no longer hold.
    if (!affichecout(sheet.pointsarepartir->text(), cost, owned).accepte)
        return PaymentOutcome::Short;
    const auto paid = payecout(*owned, cost.price);
    if (!paid) return PaymentOutcome::Short;

    const CoinTexts after = textsOf(*paid);
    writeCoins(purse::Sheet::Attrib, after);
    poidstotalattrib();
    if (heroLoaded() && overLoadLimit() && weightOf(*paid) > weightOf(*owned)) {
        writeCoins(purse::Sheet::Attrib, before);
        poidstotalattrib();
        chargeMaximumDepassee();
        return PaymentOutcome::OverLoad;
    }

    skillBox->setText(textnum::fmt(newValue));
    skillBox->repaint();
    if (heroLoaded()) {
        // Only the counts that changed are copied, as each box's own handling would have.
        CoinTexts twins = textsOf(purse::Sheet::Equip);
        for (int i = 0; i < 4; ++i)
            if (after[i] != before[i]) twins[i] = after[i];
        writeCoins(purse::Sheet::Equip, twins);
    }
    sheet.pointsarepartir->setValue(sheet.pointsarepartir->value() - cost.points);
    return PaymentOutcome::Paid;
}

} // namespace skills
