#pragma once
// The item behaviour of the equipment sheet: clothing slots, equipment lines and kind filters.
class Equip;

// Gives the clothing slots, the equipment lines and the kind filters their handlers; the
// equipment sheet calls it once it has built its controls.
void connectItemHandlers(Equip& sheet);

// Clothing slot `slot` (1 to 16, `tete1` to `pieds2`).
void vetement_Click(int slot);
void vetement_Change(int slot);

// Equipment line `line` (1 to 24).
void equip_Click(int line);
void equip_Change(int line);
