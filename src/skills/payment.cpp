#include "skills/payment.h"

#include "common/money.h"

namespace skills {
namespace {

// Pays one silver piece per `unit` coins while the box still holds a whole unit.
void spend(CoinCount& box, long long unit, long long& price) {
    if (!box) return;
    const money::Spent spent = money::payWhole(*box, unit, price);
    box = spent.left;
    price -= spent.paid;
}

} // namespace

std::optional<Purse> payecout(Purse purse, int price) {
    long long left = price;
    spend(purse.piecescuivre, 100, left);
    spend(purse.piecesbronze, 10, left);
    if (left <= 0) return purse;
    // An empty silver box is skipped at once: the first gold piece broken fills it.
    const money::Broken broken = money::payBreaking(purse.piecesargent.value_or(0), left);
    if (broken.breaks > 0) {
        const money::Count gold = purse.piecesor.value_or(0) - broken.breaks;
        if (!gold.countable()) return std::nullopt;
        purse.piecesor = gold;
    }
    if (purse.piecesargent || broken.breaks > 0) purse.piecesargent = broken.left;
    return purse;
}

} // namespace skills
