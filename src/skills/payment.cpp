#include "skills/payment.h"

namespace skills {
namespace {

// Pays one silver piece per `unit` coins while the box still holds a whole unit.
void spend(CoinCount& box, double unit, int& price) {
    if (!box) return;
    while (price > 0 && *box - unit >= 0) {
        *box -= unit;
        --price;
    }
}

} // namespace

std::optional<Purse> payecout(Purse purse, int price) {
    spend(purse.piecescuivre, 100, price);
    spend(purse.piecesbronze, 10, price);
    for (;;) {
        spend(purse.piecesargent, 1, price);
        if (price <= 0) return purse;
        const double gold = purse.piecesor.value_or(0);
        if (gold < 1) return std::nullopt;
        purse.piecesor = gold - 1;
        purse.piecesargent = purse.piecesargent.value_or(0) + 10;
    }
}

} // namespace skills
