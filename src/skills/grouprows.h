#pragma once
// The rows of each group, one file per group; skilltable.cpp puts them together.
#include "skills/skillrow.h"

namespace skills::rows {

std::vector<SkillRow> habilete();
std::vector<SkillRow> sociabilite();
std::vector<SkillRow> science();
std::vector<SkillRow> survie();

// Categories written in the order of the groups' tables: the eight types, then autrerace.
// The priest's slot is left 0, a priest paying by deity.
constexpr std::array<int, heroTypeCount> byType(int aventurier, int guerrier, int nain,
                                                int magicien, int elfe, int elfebois, int cavalier,
                                                int druide, int autrerace) {
    return {aventurier, guerrier, nain, magicien, elfe, elfebois, cavalier, druide, 0, autrerace};
}

} // namespace skills::rows
