#pragma once
// The 51 places where the hero holds items, as the shop lists and removes them: thirteen
// groups in search order, each slot a name box and its companion fields. Fields are named as
// the sheets name them: the group's name or a companion's prefix, then the slot's number.
#include <QString>
#include <array>
#include <vector>

namespace possessions {

enum class Sheet { Perso, Equip };

struct Group {
    Sheet sheet;
    QString name;                    // "melee": the name boxes melee1, melee2, melee3
    int slotCount;                   // how many slots the group has
    std::vector<QString> companions; // "attaque": attaque1..; in write order
    // Ordered groups close the gap an item leaves; the equipment lines keep their places.
    bool ordered = true;
};

inline constexpr int groupCount = 13;

// The groups in search order: melee, ranged, ammunition and protections of the hero sheet,
// the eight body parts, then the twenty-four equipment lines.
const std::array<Group, groupCount>& groups();

inline QString nameField(const Group& group, int slot) {
    return group.name + QString::number(slot);
}
inline QString companionField(const Group& group, int companion, int slot) {
    return group.companions.at(static_cast<std::size_t>(companion)) + QString::number(slot);
}

} // namespace possessions
