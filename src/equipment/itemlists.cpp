#include "equipment/itemlists.h"

#include "catalogues/saisie.h"
#include "common/folderfile.h"
#include "common/listing.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "shop/transaction.h"

namespace {

int openBatches = 0;
bool batchReported = false;

const QStringList filterPatterns[] = {
    {},
    {"*.arm", "*.ard", "*.mun", "*.pro"},
    {"*.pla", "*.pot", "*.poi", "*.liv"},
    {"*.hab", "*.prv", "*.equ", "*.bij"},
    {"*.*"},
};

template <class Family> std::vector<ComboBox*> members(const Family& family) {
    return {family.begin() + 1, family.end()};
}

} // namespace

void reportMissingFolderFile() {
    if (openBatches > 0 && batchReported) return;
    if (openBatches > 0) batchReported = true;
    msgBox(QStringLiteral("fichier 'c:\\objets.ini' introuvable !\r\n"
                          "Veuillez préciser l'endroit du répertoire\r\n"
                          "de vos objets grâce au menu 'Objets' !!"),
           MsgIcon::Exclamation);
}

ListingBatch::ListingBatch(Report report) {
    if (openBatches++ == 0) batchReported = false;
    if (report == Report::Never) batchReported = true;
}

ListingBatch::~ListingBatch() { --openBatches; }

namespace {

// Whether both listers now list `motif` in the folder of "c:\objets.ini".
bool pointListers() {
    // Touching the listers may load the item editor, whose load lists its own kind and leaves
    // its pattern in `motif`: the caller's listing keeps the pattern it asked for.
    const QString pattern = shared::motif;
    FileListBox& shopLister = *transaction().fichier;
    FileListBox& editorLister = *saisie().fichier;
    shared::motif = pattern;
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderfile::objets);
        shopLister.setPathAndPattern(shared::repertoire, shared::motif);
        editorLister.listSameAs(shopLister);
        return true;
    } catch (const RuntimeError&) {
        reportMissingFolderFile();
        return false;
    }
}

} // namespace

void rafraichlistes() { pointListers(); }

QStringList listedItemNames() { return listedNames(*transaction().fichier); }

void listItemsInto(const std::vector<ComboBox*>& lists) {
    // Even when the folder file could not be read, the lister lists this pattern in the folder
    // it already had.
    if (!pointListers()) transaction().fichier->setPattern(shared::motif);
    addItems(lists, listedItemNames());
}

void videlistes() {
    Equip& sheet = equip();
    for (int line = 1; line <= 24; ++line) sheet.equip[line]->clearItems();
}

void remplitlistes() { listItemsInto(members(equip().equip)); }

void Option_Click(int filter) {
    const ListingBatch batch;
    videlistes();
    for (const QString& pattern : filterPatterns[filter]) {
        shared::motif = pattern;
        remplitlistes();
    }
}

void listItemsAtStartup() {
    const ListingBatch batch;
    Perso& hero = perso();
    const std::pair<QString, std::vector<ComboBox*>> kinds[] = {
        {QStringLiteral("*.arm"), members(hero.melee)},
        {QStringLiteral("*.ard"), members(hero.distance)},
        {QStringLiteral("*.mun"), members(hero.munition)},
        {QStringLiteral("*.pro"), members(hero.protection)},
        {QStringLiteral("*.hab"), members(equip().vetement)},
    };
    for (const auto& [pattern, lists] : kinds) {
        shared::motif = pattern;
        listItemsInto(lists);
    }
    equip().Option[4]->setValue(true);
}
