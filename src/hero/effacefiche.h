#pragma once
// Clears the whole hero from the three sheets, as for a new hero: "Nouveau" of the Perso menu.
// The cleared hero counts as unchanged.
void effacefiche();
