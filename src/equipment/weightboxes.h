#pragma once
// The load check of the forty weight boxes of `equip` (clothing and equipment lines).
class TextBox;

// A weight box's change: an empty box empties `objetligne1`; with a hero loaded the carried
// weight is recomputed, and a weight that takes it over the limit brings
// "Charge maximum dépassée !" and empties the whole box (whose own check then runs again).
void weightBoxChanged(TextBox& box);
