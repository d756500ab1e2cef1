// Loading, saving, clearing and filtering the spells of the spell editor.
#include "catalogues/catalogfolders.h"
#include "catalogues/sorts.h"
#include "common/itemframe.h"
#include "common/folderfile.h"
#include "common/itemrecord.h"
#include "common/listing.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"

void effacesort() {
    Sorts& editor = sorts();
    for (int line = 1; line <= spellfile::lineCount; ++line)
        setLineText(editor.lines[line], QString());
    editor.sortsformule->setFocus();
}

// The whole file is read before any box is touched. What a file lacks, or all of it when it
// has gone since it was listed, is emptied rather than left from the spell shown before; the
// name box keeps the name chosen.
void Sorts::sortsformule_Click() {
    QStringList read;
    try {
        shared::numfichier = freeFile();
        read =
            itemrecord::read(fichier->path() + u'/' + sortsformule->text() + spellfile::extension,
                             spellfile::lineCount);
    } catch (const RuntimeError&) {
    }
    for (int line = 1; line <= spellfile::lineCount; ++line)
        shared::objetligne[line] = line <= read.size() ? read.at(line - 1) : QString();
    for (int line = 2; line <= spellfile::lineCount; ++line)
        setLineText(lines[line], shared::objetligne[line]);
    enablePriestControls(sortsliste->text() == spellfile::pretre);
}

// A failure to find the folder or to write reaches the event boundary, shown under "Erreur !":
// nothing is written and the list stays as it was.
void Sorts::sortsauver_Click() {
    if (sortsliste->text().isEmpty()) {
        msgBox(QStringLiteral("Renseignez un utilisateur !"), MsgIcon::Critical, QString());
        return;
    }
    const QString name = sortsformule->text();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("Donnez un nom à votre formule !"), MsgIcon::Critical, QString());
        return;
    }
    if (!saveRecord(folderfile::sorts, name, spellfile::extension, std::span(lines).subspan(1)))
        return;
    chargesorts();
    sortsformule->setText(shared::nomcourant);
}

void Sorts::sortseffacer_Click() {
    effacesort();
}

void Sorts::sortsliste_Click() {
    restriction->setValue(false);
    const bool priest = sortsliste->text() == spellfile::pretre;
    if (!priest) sortsdieux->setText(QString());
    enablePriestControls(priest);
}

void Sorts::sortsdieux_Click() {
    restriction->setValue(false);
}

// A folder file that cannot be read, or a folder gone, is reported under "Erreur !" and leaves
// the list as it was. Checked, the list keeps the spells of the class (and deity) chosen; a
// spell file too short to tell its class is left out.
void Sorts::restriction_Click() {
    shared::numfichier = freeFile();
    shared::repertoire = folderfile::read(folderfile::sorts);
    shared::motif = spellfile::pattern;
    fichier->setPath(shared::repertoire);
    fichier->setPattern(shared::motif);
    sortsformule->clearList();
    const QStringList names = listedNames(*fichier);
    const QString classe = sortsliste->text(), dieu = sortsdieux->text();
    for (int entry = 0; entry < names.size(); ++entry) {
        if (restriction->value()) {
            QStringList head;
            try {
                shared::numfichier = freeFile();
                head = itemrecord::read(fichier->path() + u'/' + fichier->list(entry), 4);
            } catch (const RuntimeError&) {
                continue;
            }
            if (head.size() < 4 || !spellfile::listed(classe, dieu, head.at(2), head.at(3)))
                continue;
        }
        sortsformule->addItem(names.at(entry));
    }
    for (int line : {1, 2, 5, 6, 7, 8, 9, 10, 11, 12})
        setLineText(lines[line], QString());
    sortsformule->setFocus();
}

void Sorts::menusauve_Click() {
    openFolderDialog(folderfile::sorts, fichier, 3, *this);
}
