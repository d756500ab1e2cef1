#pragma once
// The item editor's name lists, filled from the items folder.

// Refills the name list of the editor's selected kind from the items folder, listed with that
// kind's own pattern, which it leaves in `motif`; the texts of the twelve name boxes are kept.
// With no kind selected no list is refilled.
void remplitnoms();

// Takes the items folder of "c:\objets.ini" into the editor and shows its melee weapons, the
// name box emptied. Ends silently where a failure stops it.
void chargearmes();
