#pragma once
// The "+" buttons of `attrib` (`pha1_Click` .. `psu13_Click`) and the "E" buttons
// (`eha1_Click` .. `esu13_Click`): each runs the one procedure on its own row.
#include "skills/skillrow.h"

namespace skills {

// Raises the skill by one when its rules allow it and the hero accepts and can pay the cost
// that `coutpoint` shows. One raise at a time: a click while another raise waits for its
// dialog does nothing.
void raiseSkill(SkillId id);

// `epreuveaptitude`: rolls a d20 against the skill's value and shows the outcome in the box
// "Epreuve d'Aptitude".
void testSkill(SkillId id);

} // namespace skills
