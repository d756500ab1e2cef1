#include "catalogues/catalogfolders.h"

#include "catalogues/cheminsaisie.h"
#include "catalogues/monsterfile.h"
#include "catalogues/monstres.h"
#include "catalogues/sorts.h"
#include "common/dialogplace.h"
#include "common/itemframe.h"
#include "common/folderfile.h"
#include "common/itemrecord.h"
#include "common/listing.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"
#include "tools/combat.h"

namespace {

// Points a file list at the folder just read, listing the files of `motif`.
void pointAt(FileListBox& list) {
    list.setPattern(shared::motif);
    list.setPath(shared::repertoire);
}

// The recovery of the sheets' entries: the folder file holds the root of drive C again. A
// failure of this write is the program's own, shown by the event boundary.
void resetFolderFile(const QString& folderFile) {
    shared::numfichier = freeFile();
    folderfile::write(folderFile, QStringLiteral("c:\\"));
}

} // namespace

void chargesorts() {
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderfile::sorts);
        shared::motif = spellfile::pattern;
        Sorts& editor = sorts();
        pointAt(*editor.fichier);
        editor.sortsformule->clearList();
        for (const QString& name : listedNames(*editor.fichier))
            editor.sortsformule->addItem(name);
    } catch (const RuntimeError&) {
    }
}

void chargemonstres() {
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderfile::monstres);
        shared::motif = monsterfile::pattern;
        Monstres& editor = monstres();
        Combat& fight = combat();
        pointAt(*editor.fichier);
        pointAt(*fight.fichiers);
        editor.fpnjnom->clearList();
        fight.combatpnj->clearList();
        for (const QString& name : listedNames(*editor.fichier)) {
            editor.fpnjnom->addItem(name);
            fight.combatpnj->addItem(name);
        }
    } catch (const RuntimeError&) {
    }
}

void takeMonsterFolder(FileListBox& list) {
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderfile::monstres);
        list.setPath(shared::repertoire);
        cheminsaisie().preset(shared::repertoire);
    } catch (const RuntimeError&) {
        resetFolderFile(folderfile::monstres);
        return;
    }
    chargemonstres();
}

void takeSpellFolder(bool withNames) {
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderfile::sorts);
        sorts().fichier->setPath(shared::repertoire);
        if (!withNames) return;
        cheminsaisie().preset(shared::repertoire);
    } catch (const RuntimeError&) {
        resetFolderFile(folderfile::sorts);
        return;
    }
    chargesorts();
}

void presetFolderDialog(const QString& folderFile, FileListBox* list) {
    try {
        shared::numfichier = freeFile();
        shared::repertoire = folderfile::read(folderFile);
        if (list) list->setPath(shared::repertoire);
        cheminsaisie().preset(shared::repertoire);
    } catch (const RuntimeError&) {
    }
}

void openFolderDialog(const QString& folderFile, FileListBox* list, int choice,
                      const QWidget& opener) {
    presetFolderDialog(folderFile, list);
    shared::choixrepertoire = choice;
    showCentredOn(cheminsaisie(), opener);
}

bool saveRecord(const QString& folderFile, const QString& name, const QString& extension,
                std::span<QWidget* const> boxes) {
    if (folderfile::forbiddenName(name)) {
        folderfile::caractereInterdit();
        return false;
    }
    shared::nomcourant = name;
    shared::numfichier = freeFile();
    shared::objetligne[1] = folderfile::read(folderFile);
    QStringList values;
    for (const QWidget* box : boxes)
        values << lineText(box);
    shared::numfichier = freeFile();
    itemrecord::write(folderfile::recordPath(shared::objetligne[1], name + extension), values);
    return true;
}
