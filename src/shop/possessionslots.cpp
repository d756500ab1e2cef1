#include "shop/possessionslots.h"

#include "equipment/equip.h"
#include "hero/perso.h"
#include "shop/transaction.h"

namespace {

QWidget& sheetOf(const possessions::Group& group) {
    if (group.sheet == possessions::Sheet::Perso) return perso();
    return equip();
}

template <class Box> Box* field(const possessions::Group& group, const QString& name) {
    Box* box = sheetOf(group).findChild<Box*>(name);
    if (!box) qFatal("no possession field %s", qPrintable(name));
    return box;
}

} // namespace

ComboBox* slotName(const possessions::Group& group, int slot) {
    return field<ComboBox>(group, possessions::nameField(group, slot));
}

std::vector<TextBox*> slotCompanions(const possessions::Group& group, int slot) {
    std::vector<TextBox*> boxes;
    for (std::size_t companion = 0; companion < group.companions.size(); ++companion)
        boxes.push_back(field<TextBox>(
            group, possessions::companionField(group, static_cast<int>(companion), slot)));
    return boxes;
}

void listepossessions() {
    ItemList& list = *transaction().Listeobjet;
    for (const possessions::Group& group : possessions::groups())
        for (int slot = 1; slot <= group.slotCount; ++slot) {
            const QString name = slotName(group, slot)->text();
            if (!name.isEmpty()) list.add(name);
        }
}
