#pragma once
// The hero on the three sheets `perso`, `attrib` and `equip`: its record is the text of their
// fields. Touching a sheet that is not loaded loads it, hidden.
#include "herofile/herofile.h"

HeroRecord collectHero();

// Titles the sheets after the hero's name, then writes every field in the file's order, each
// write running the field's change handling; the purse goes to both sheets' coin boxes.
void applyHero(const HeroRecord& hero);
