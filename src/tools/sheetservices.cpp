#include "tools/sheetservices.h"

#include "app/sheetmenus.h"
#include "herofile/settings.h"
#include "tools/des.h"
#include "tools/epreuves.h"
#include "tools/tir_dist.h"
#include "tools/transfertheros.h"

void testWindowsAtStartup() {
    epreuves().clearTests();
    inittir();
}

void testWindowsForNewHero() {
    epreuves().clearTests();
    TirDist& shot = tir_dist();
    shot.adresse->clear();
    shot.valeur->clear();
    shot.resultat->clear();
}

namespace sheetmenus {

void menudes_Click(Sheet from) {
    if (refusedBeforeTool(from)) return;
    lisini();
    des().show();
}

void menuepreuves_Click(Sheet from) {
    if (refusedBeforeTool(from)) return;
    lisini();
    transfertheros();
    epreuves().show();
}

// The shot has no priest check.
void menutir_Click(Sheet) {
    lisini();
    inittir();
    transfertheros();
    tir_dist().show();
}

} // namespace sheetmenus
