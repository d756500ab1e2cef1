#include "app/sheetmenus.h"

#include "app/about.h"
#include "app/toolentries.h"
#include "catalogues/catalogfolders.h"
#include "catalogues/monstres.h"
#include "catalogues/saisie.h"
#include "catalogues/sorts.h"
#include "common/controls.h"
#include "common/folderfile.h"
#include "hero/perso.h"
#include "herofile/settings.h"
#include "skills/skillrow.h"
#include "tools/combat.h"
#include "tools/transfertheros.h"

#include <QMainWindow>
#include <QMenuBar>

namespace sheetmenus {
namespace {

struct Entry {
    const char* name;
    const char* caption;
    void (*click)(Sheet from);
};

// Left to right, as every sheet shows them.
const Entry entries[] = {
    {"menucombat", "Combat", menucombat_Click},
    {"menudes", "Dés", menudes_Click},
    {"menuepreuves", "Epreuves", menuepreuves_Click},
    {"menutir", "Tir", menutir_Click},
    {"menulanterne", "Lanterne", menulanterne_Click},
    {"menutransactions", "Transaction", menutransactions_Click},
    {"menusaisie", "Objets", menusaisie_Click},
    {"menusorts", "Sorts", menusorts_Click},
    {"menumonstres", "Monstres et PNJ", menumonstres_Click},
    {"menuaide", "Aide", menuaide_Click},
    {"menuabout", "A propos", menuabout_Click},
};

} // namespace

void build(QMainWindow& window, Sheet sheet) {
    for (const Entry& entry : entries) {
        auto* action = new MenuEntry(QString::fromUtf8(entry.name), QString::fromUtf8(entry.caption),
                                     &window);
        action->onClick([click = entry.click, sheet] { click(sheet); });
        window.menuBar()->addAction(action); // a tool entry stands alone on the bar
    }
}

bool refusedBeforeTool(Sheet sheet) {
    return sheet == Sheet::Perso && perso().pretreSansDevotion();
}

void menucombat_Click(Sheet from) {
    if (refusedBeforeTool(from)) return;
    lisini();
    transfertheros();
    Combat& window = combat();
    window.pause0->setValue(true);
    window.fichier->setValue(false);
    window.show();
    takeMonsterFolder(*window.fichiers);
}

void menulanterne_Click(Sheet) { runLanterne(); }

// The hero sheet's entry also points the folder dialog at the items folder, when it has one.
void menusaisie_Click(Sheet from) {
    if (from == Sheet::Perso) presetFolderDialog(folderfile::objets);
    saisie().show();
}

// Only the hero sheet's entry lists the spells; the others leave the name list as it was.
void menusorts_Click(Sheet from) {
    Sorts& window = sorts();
    window.sortsdieux->clearList();
    for (const QString& deity : skills::deities())
        window.sortsdieux->addItem(deity);
    window.sortsliste->clearList();
    for (const QString& classe : spellfile::classes())
        window.sortsliste->addItem(classe);
    window.show();
    takeSpellFolder(from == Sheet::Perso);
}

void menumonstres_Click(Sheet) {
    Monstres& window = monstres();
    window.show();
    takeMonsterFolder(*window.fichier);
}

void menuaide_Click(Sheet) { openHelpPage(); }

void menuabout_Click(Sheet) { about().show(); }

} // namespace sheetmenus
