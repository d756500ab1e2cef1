// A sold possession leaves the hero's sheets.
#include "common/controls.h"
#include "equipment/itemlists.h"
#include "equipment/loadlimit.h"
#include "hero/poidstotal.h"
#include "shop/possessionslots.h"
#include "shop/transaction.h"

std::optional<PossessionSlot> possessionNommee(const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    for (const possessions::Group& group : possessions::groups())
        for (int slot = 1; slot <= group.slotCount; ++slot)
            if (slotName(group, slot)->text() == name) return PossessionSlot{&group, slot};
    return std::nullopt;
}

double slotWeight(const PossessionSlot& held) {
    return slotCompanions(*held.group, held.slot).back()->value();
}

namespace {

void copySlot(const possessions::Group& group, int from, int to) {
    slotName(group, to)->setText(slotName(group, from)->text());
    const std::vector<TextBox*> source = slotCompanions(group, from);
    const std::vector<TextBox*> target = slotCompanions(group, to);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[i]->setText(source[i]->text());
}

} // namespace

bool retireobjet() {
    const std::optional<PossessionSlot> found = possessionNommee(transaction().Listeobjet->text());
    if (!found) return false;
    const possessions::Group& group = *found->group;
    {
        // The names written list nothing: no listing message comes in mid-move either.
        const ListingBatch quiet(ListingBatch::Report::Never);
        const LoadChecksHeld held;
        int last = found->slot;
        for (; group.ordered && last < group.slotCount; ++last)
            copySlot(group, last + 1, last);
        slotName(group, last)->setText(QString());
        for (TextBox* box : slotCompanions(group, last))
            box->clear();
    }
    poidstotal();
    return true;
}
