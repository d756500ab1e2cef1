#pragma once
// The creation roll of a new hero.

// Rolls the five characteristics, 7 + d6 each (8 to 13, as the random adversaries of the combat
// are rolled), puts the fifty skills at 0 and gives the type set on the sheet its preset.
void tirage();
