// Choosing an entry of the shop's list: the item's record is read whole, then its price, its
// unit and its frame of the detail window are shown. A record that cannot be read changes no
// field and leaves no price to haggle on.
#include "common/itemrecord.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "equipment/itemfile.h"
#include "equipment/itemweight.h"
#include "shop/detail.h"
#include "shop/transaction.h"

#include <optional>

namespace {

// The record of an opened item file of a kind, whole, with a price that is a number; error 62
// otherwise, as for a file that ends too early.
itemrecord::Record readWhole(TextInput& file, int kind) {
    itemrecord::Record record = itemrecord::readRecord(file, kind);
    if (!itemrecord::isPrice(record.price())) throw RuntimeError(62);
    return record;
}

void showItem(const itemrecord::Record& record) {
    lisprix(record);
    detail().affiche(record);
    transaction().prixutilisable = true;
}

} // namespace

void Transaction::Listeobjet_Click() {
    // A new entry is a new deal, whatever becomes of its reading.
    num->setCaption(QStringLiteral("0"));
    bouton->setEnabled(false);
    prixutilisable = false;
    // Buying, the kind is the one the user chose here, whatever pattern another window left
    // in the shared lister.
    if (achat->value() && choixCourant() != 0)
        shared::motif = itemrecord::kind(choixCourant()).pattern();
    pointeFichier();
    quantite->clear();
    prixtotal->clear();
    if (achat->value())
        selectionAchat();
    else
        selectionVente();
}

// A file gone since the list was filled ends the selection silently; a damaged one is
// reported.
void Transaction::selectionAchat() {
    const int kind = choixCourant();
    if (kind == 0) return;
    std::optional<itemrecord::Record> record;
    const int error = trapErrors([&] {
        TextInput file = ouvreobjet();
        record = readWhole(file, kind);
    });
    if (record) showItem(*record);
    erreurobjet(error);
}

// A possession's kind is the first of the twelve under which its file opens; a damaged file
// there is reported once, and no other kind is tried. One possession is sold at a time, found
// or not; only a priced one shows a total.
void Transaction::selectionVente() {
    quantite->setText(QStringLiteral("1"));
    std::optional<TextInput> file = openItemOfAnyKind(Listeobjet->text());
    if (!file) {
        prixtotal->clear();
        objetInexistant();
        return;
    }
    std::optional<itemrecord::Record> record;
    const int error =
        trapErrors([&] { record = readWhole(*file, static_cast<int>(shared::compteur)); });
    if (!record) {
        prixtotal->clear();
        erreurobjet(error);
        return;
    }
    showItem(*record);
}
