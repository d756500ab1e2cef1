#include "skills/skilltable.h"

#include "skills/grouprows.h"

#include <QtGlobal>

namespace skills {

const std::vector<SkillRow>& skillRows() {
    static const std::vector<SkillRow> all = [] {
        std::vector<SkillRow> rows;
        for (auto group : {rows::habilete, rows::sociabilite, rows::science, rows::survie}) {
            auto part = group();
            rows.insert(rows.end(), std::make_move_iterator(part.begin()),
                        std::make_move_iterator(part.end()));
        }
        return rows;
    }();
    return all;
}

const SkillRow& skillRow(SkillId id) {
    Q_ASSERT(id.row >= 1 && id.row <= groupRowCount(id.group));
    int first = 0;
    for (int g = 0; g < static_cast<int>(id.group); ++g)
        first += groupRowCount(Group(g));
    return skillRows().at(first + id.row - 1);
}

} // namespace skills
