#include "catalogues/itemnames.h"

#include "catalogues/saisie.h"
#include "common/folderfile.h"
#include "common/itemrecord.h"
#include "common/listing.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"
#include "equipment/itemlists.h"

void remplitnoms() {
    Saisie& editor = saisie();
    const int kind = editor.selectedKind();
    // What another window left in `motif` would list another kind's files.
    if (kind != 0) shared::motif = itemrecord::kind(kind).pattern();
    rafraichlistes();
    // Even when the folder file could not be read, the lister lists this kind in its folder.
    editor.fichier->setPattern(shared::motif);
    for (int k = 1; k <= 12; ++k)
        shared::objetligne[k] = editor.kinds[k].nom()->text();
    if (kind == 0) return;
    ComboBox* names = editor.kinds[kind].nom();
    names->clearList();
    names->addItems(listedNames(*editor.fichier));
    names->setText(shared::objetligne[kind]);
}

void chargearmes() {
    shared::motif = itemrecord::kind(1).pattern();
    Saisie& editor = saisie();
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderfile::objets);
        editor.fichier->setPath(shared::repertoire);
        editor.fichier->setPattern(shared::motif);
    } catch (const RuntimeError&) {
        return;
    }
    editor.kinds[1].nom()->clearList();
    editor.kinds[1].option->setValue(true);
}
