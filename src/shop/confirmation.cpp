// The confirmation of an agreed deal. A sale credits the purse and takes the possession off the
// hero; a purchase pays, weighs and places unit by unit. Every unit is weighed with the purse it
// leaves and the weight its placing adds before anything is written: a refused unit leaves the
// sheets exactly as they were.
#include "common/messagebox.h"
#include "common/money.h"
#include "common/shared.h"
#include "equipment/equip.h"
#include "equipment/loadlimit.h"
#include "equipment/purse.h"
#include "hero/poidstotal.h"
#include "shop/placing.h"
#include "shop/possessionslots.h"
#include "shop/transaction.h"

#include <cmath>

namespace {

// A quantity wider than the box lets one type is refused like a price beyond the purse.
constexpr double mostUnits = 9999;

void pasAssezDArgent() {
    msgBox(QStringLiteral("Vous n'avez pas assez d'argent !"), MsgIcon::Critical, QString());
}

// What the units of a purchase owe, in cuivre. The agreed proposal is the price of the
// quantity the deal priced, which the box still holds (changing it ends the agreement): the
// units bought owe their part of it, turned into cuivre once and shared out in whole pieces.
struct Dues {
    long long total, units;
    long long of(long long unit) const { return money::share(total, units, unit); }
};

std::optional<Dues> duesOf(const Transaction& shop, long long units) {
    const std::optional<money::Coin> coin = money::coinOfUnit(shared::unitemonnaie);
    const std::optional<money::Count> proposal = money::Count::read(shop.hprop->text());
    const std::optional<money::Count> priced = money::Count::read(shop.quantite->text());
    if (!coin || !proposal || !priced) return std::nullopt;
    const std::optional<long long> copper = money::toCopper(*proposal, *coin, units, *priced);
    if (!copper) return std::nullopt;
    return Dues{*copper, units};
}

double carried(const money::Counts& purse) {
    return poidsobjets() + double(money::coinWeight(purse));
}

// Whether the purchase went to its end, units refused for want of room included.
bool achete(Transaction& shop) {
    const double quantity = std::nearbyint(shop.quantite->value());
    if (quantity < 1) return true;
    const long long units = quantity <= mostUnits ? static_cast<long long>(quantity) : 0;
    const std::optional<Dues> dues = units ? duesOf(shop, units) : std::nullopt;
    if (!dues) {
        pasAssezDArgent();
        return false;
    }
    const std::optional<Article> article = lisarticle(shop.choixCourant());
    if (!article) return false;

    for (long long unit = 1; unit <= units; ++unit) {
        const std::optional<money::Counts> purse = purse::counts(purse::Sheet::Attrib);
        const std::optional<money::Counts> paid =
            purse ? money::pay(*purse, dues->of(unit)) : std::nullopt;
        if (!paid) {
            pasAssezDArgent();
            return false;
        }
        const Placement place = placement(*article);
        if (carried(*paid) + place.weight > equip().poidsmaximum->value()) {
            msgBox(QStringLiteral("Objet trop lourd"), MsgIcon::Critical, QString());
            return false;
        }
        if (!place.hasRoom()) {
            plusDePlace();
            shop.transactionok = false;
            continue;
        }
        purse::writeBothSheets(*paid);
        place.write();
    }
    return true;
}

void relist(Transaction& shop) {
    shop.Listeobjet->clearList();
    listepossessions();
    shop.prixutilisable = false;
}

// Whether the sale went through. Only a possession still held is sold: the credit goes with
// its removal. A credit that cannot be counted to the coin is refused like a price beyond the
// purse; a sale that would leave the hero above the load limit, and heavier than now, is
// refused whole.
bool vend(Transaction& shop) {
    const std::optional<PossessionSlot> sold = possessionNommee(shop.Listeobjet->text());
    const std::optional<money::Coin> coin = money::coinOfUnit(shared::unitemonnaie);
    if (!sold || !coin) {
        relist(shop);
        return false;
    }
    const std::optional<money::Counts> before = purse::counts(purse::Sheet::Attrib);
    const std::optional<money::Count> proposal = money::Count::read(shop.hprop->text());
    const std::optional<long long> copper =
        proposal ? money::toCopper(*proposal, *coin) : std::nullopt;
    const std::optional<money::Counts> credited =
        before && copper ? money::add(*before, money::credit(*copper, *coin)) : std::nullopt;
    if (!credited) {
        pasAssezDArgent();
        return false;
    }
    if (heroLoaded()) {
        const double after = carried(*credited) - slotWeight(*sold);
        if (after > equip().poidsmaximum->value() && after > carried(*before)) {
            chargeMaximumDepassee();
            return false;
        }
    }
    purse::writeBothSheets(*credited);
    retireobjet();
    relist(shop);
    return true;
}

} // namespace

void Transaction::bouton_Click() {
    // One transaction at a time: nothing starts another while its messages are shown.
    bouton->setEnabled(false);
    transactionok = true;
    const bool ended = achat->value() ? achete(*this) : vend(*this);
    poidstotal();
    if (ended && transactionok)
        msgBox(QStringLiteral("Transaction enregistrée !"), MsgIcon::Information, QString());
    effacetransaction();
}
