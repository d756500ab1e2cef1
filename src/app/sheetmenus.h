#pragma once
// The one menu bar of the three sheets. The hero sheet puts its "Perso" menu first; then every
// sheet gets the same tool entries, left to right, each sheet with actions of its own so that
// its bar works while it alone is shown. The sheets differ only where an entry asks which
// sheet it was chosen from.
#include <QString>

class QMainWindow;
class MenuEntry;

enum class Sheet { Perso, Attrib, Equip };

namespace sheetmenus {

// Adds the tool entries to the window's bar, after what the bar already holds.
void build(QMainWindow& window, Sheet sheet);

// The hero sheet refuses a priest without a deity before a tool window opens ("Un prêtre doit
// choisir une dévotion."); the other sheets never check. Answers true when refused.
bool refusedBeforeTool(Sheet sheet);

// The shared entries. Each sheet's action of that name runs the one of its entry.
void menucombat_Click(Sheet from);
void menudes_Click(Sheet from);
void menuepreuves_Click(Sheet from);
void menutir_Click(Sheet from);
void menulanterne_Click(Sheet from);
// "Transaction": the shop, placed where it was last closed, shown with the focus.
void menutransactions_Click(Sheet from);
void menusaisie_Click(Sheet from);
void menusorts_Click(Sheet from);
void menumonstres_Click(Sheet from);
void menuaide_Click(Sheet from);
void menuabout_Click(Sheet from);

} // namespace sheetmenus
