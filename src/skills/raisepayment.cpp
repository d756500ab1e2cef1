#include "skills/raisepayment.h"

#include "common/coinchecks.h"
#include "common/messagebox.h"
#include "common/money.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "hero/poidstotal.h"
#include "skills/payment.h"
#include "skills/skillcontrols.h"

#include <array>

using namespace Qt::StringLiterals;

namespace skills {
namespace {

// The four coin boxes of a sheet, gold first.
std::array<TextBox*, 4> coinBoxes(Attrib& sheet) {
    return {sheet.piecesor, sheet.piecesargent, sheet.piecesbronze, sheet.piecescuivre};
}
std::array<TextBox*, 4> coinBoxes(Equip& sheet) {
    return {sheet.piecesor, sheet.piecesargent, sheet.piecesbronze, sheet.piecescuivre};
}

std::array<QString, 4> textsOf(const Purse& purse) {
    return {writeText(purse.piecesor), writeText(purse.piecesargent),
            writeText(purse.piecesbronze), writeText(purse.piecescuivre)};
}

long long weightOf(const Purse& purse) {
    return money::coinWeight(purse.piecesor.value_or(0), purse.piecesargent.value_or(0),
                             purse.piecesbronze.value_or(0), purse.piecescuivre.value_or(0));
}

void writeCoins(const std::array<TextBox*, 4>& boxes, const std::array<QString, 4>& texts) {
    const CoinChecksHeld held;
    for (int i = 0; i < 4; ++i) boxes[i]->setText(texts[i]);
}

bool overLoadLimit() {
    Equip& e = equip();
    return e.poidsmaximum->value() < e.poidstransporte->value();
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

bool payRaise(TextBox* skillBox, int newValue, RaiseCost cost) {
    Attrib& sheet = attrib();
    const ButtonsDisabled disabled(sheet);

    const auto boxes = coinBoxes(sheet);
    std::array<QString, 4> before;
    for (int i = 0; i < 4; ++i) before[i] = boxes[i]->text();
    const Purse purse = Purse::fromTexts(before[0], before[1], before[2], before[3]);
    // The verdict saw enough silver, but a purse changed meanwhile, or one holding a part of
    // a gold piece, may still fall short: then nothing is paid rather than a coin gone below 0.
    const auto paid = payecout(purse, cost.price);
    if (!paid) return false;

    const bool heroLoaded = !perso().force->text().isEmpty();
    const auto after = textsOf(*paid);
    writeCoins(boxes, after);
    poidstotalattrib();
    if (heroLoaded && overLoadLimit() && weightOf(*paid) > weightOf(purse)) {
        writeCoins(boxes, before);
        poidstotalattrib();
        msgBox(u"Charge maximum dépassée !"_s, MsgIcon::Exclamation, QString());
        return false;
    }

    skillBox->setText(textnum::fmt(newValue));
    skillBox->repaint();
    if (heroLoaded) {
        // Only the counts that changed are copied, as each box's own handling would have.
        const auto twins = coinBoxes(equip());
        std::array<QString, 4> mirrored;
        for (int i = 0; i < 4; ++i)
            mirrored[i] = after[i] == before[i] ? twins[i]->text() : textnum::fmt(boxes[i]->value());
        writeCoins(twins, mirrored);
    }
    sheet.pointsarepartir->setValue(sheet.pointsarepartir->value() - cost.points);
    return true;
}

} // namespace skills
