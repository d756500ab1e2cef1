#pragma once
// Wires the fifty "+" and the fifty "E" buttons of the skills sheet to their rows.
class Attrib;

void connectSkillButtons(Attrib& sheet);
