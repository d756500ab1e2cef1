#pragma once
// The controls of one skill row on `attrib`, and the switch of the fifty raise buttons.
#include "skills/attrib.h"
#include "skills/skillrow.h"

namespace skills {

TextBox* valueBox(Attrib& sheet, SkillId id);          // `habilete1` .. `survie13`
CommandButton* raiseButton(Attrib& sheet, SkillId id); // `pha1` .. `psu13`
CommandButton* testButton(Attrib& sheet, SkillId id);  // `eha1` .. `esu13`

// `basculeboutons`: each of the fifty raise buttons, `pha1` to `psu13`, takes the opposite of
// its own enabled state.
void basculeboutons(Attrib& sheet);

} // namespace skills
