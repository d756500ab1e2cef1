#pragma once
// The possession slots of the common table, as the sheets' own boxes.
#include "common/possessions.h"

#include <QString>
#include <optional>
#include <vector>

class ComboBox;
class TextBox;

// The name box of a slot (1 to the group's count), on its sheet.
ComboBox* slotName(const possessions::Group& group, int slot);
// The slot's companion boxes, in write order.
std::vector<TextBox*> slotCompanions(const possessions::Group& group, int slot);

// One possession slot: its group and its number in the group.
struct PossessionSlot {
    const possessions::Group* group;
    int slot;
};

// The first slot in search order whose name is exactly `name` (case and blanks count). The
// empty name is no possession: it matches no slot, not even a free one.
std::optional<PossessionSlot> possessionNommee(const QString& name);

// The weight a slot adds to the carried weight: its last companion holds it in every group.
double slotWeight(const PossessionSlot& held);

// Takes the sold item off the hero: the first slot named exactly as the shop's selected entry.
// In an ordered group the later slots move up field by field (name, then companions in write
// order) and the group's last slot is emptied; an equipment line is emptied in place. Every
// write runs its box's own handling (an emptied name empties its companions, a malus goes
// back to `adresse`, the weapons reach the tools) but the load checks: the removal only takes
// weight off, and mid-move a weight stands twice. The carried weight is computed once at the
// end. Answers whether a slot left.
bool retireobjet();
