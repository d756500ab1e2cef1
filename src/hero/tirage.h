#pragma once
// The creation roll of a new hero.

// Rolls the five characteristics, 7 + d6 each (8 to 13, as the random adversaries of the combat
// are rolled), and empties the fifty skill boxes of the skills sheet.
void tirage();
