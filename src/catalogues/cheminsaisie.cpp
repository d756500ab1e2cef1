#include "catalogues/cheminsaisie.h"

#include "catalogues/catalogfolders.h"
#include "catalogues/itemnames.h"
#include "catalogues/monstres.h"
#include "catalogues/saisie.h"
#include "catalogues/sorts.h"
#include "common/folderfile.h"
#include "common/folderlists.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The folder file that Ok writes for each value of `choixrepertoire`.
const QString* folderFileOf(long long choice) {
    switch (choice) {
    case 1:
        return &folderfile::monstres;
    case 2:
        return &folderfile::objets;
    case 3:
        return &folderfile::sorts;
    default:
        return nullptr;
    }
}

} // namespace

Cheminsaisie::Cheminsaisie()
    : Form(QStringLiteral("cheminsaisie"), QStringLiteral("Répertoire de stockage")) {
    auto* central = new QWidget(this);
    Frame1 = new QGroupBox(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    drive = new DriveListBox(QStringLiteral("drive"), Frame1);
    Dir = new DirListBox(QStringLiteral("Dir"), Frame1);
    auto* lists = new QVBoxLayout(Frame1);
    lists->addWidget(drive);
    lists->addWidget(Dir);

    cheminfichiersaisie = new Label(QStringLiteral("cheminfichiersaisie"), QString(), central);
    ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("&Ok !"), central);
    Command1 = new CommandButton(QStringLiteral("Command1"), QStringLiteral("&Cancel"), central);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(Command1);

    auto* column = new QVBoxLayout(central);
    column->addWidget(Frame1);
    column->addWidget(cheminfichiersaisie);
    column->addLayout(buttons);
    setCentralWidget(central);

    linkFolderLists(*drive, *Dir, *cheminfichiersaisie);
    ok->onClick([this] { ok_Click(); });
    Command1->onClick([this] { Command1_Click(); });
    setDialogKeys(ok);
    setStaysAboveOpener();
}

void Cheminsaisie::preset(const QString& folder) {
    const QString before = cheminfichiersaisie->caption();
    try {
        drive->setDrive(folder);
        cheminfichiersaisie->setCaption(folderLine(folder));
        Dir->setPath(folder);
    } catch (const RuntimeError&) {
        cheminfichiersaisie->setCaption(before);
        drive->setDrive(Dir->path());
        throw;
    }
}

// A folder file that cannot be written is reported by the event boundary: the old file stays,
// nothing is listed, and the dialog stays open for another try.
void Cheminsaisie::ok_Click() {
    shared::repertoire = cheminfichiersaisie->caption();
    if (const QString* folderFile = folderFileOf(shared::choixrepertoire)) {
        shared::numfichier = freeFile();
        folderfile::write(*folderFile, shared::repertoire);
    }
    switch (shared::choixrepertoire) {
    case 1:
        monstres().fichier->setPath(shared::repertoire);
        chargemonstres();
        break;
    case 2:
        shared::cheminobjets = shared::repertoire;
        saisie().fichier->setPath(shared::repertoire);
        chargearmes();
        break;
    case 3:
        sorts().fichier->setPath(shared::repertoire);
        chargesorts();
        break;
    default:
        break;
    }
    hide();
}

void Cheminsaisie::Command1_Click() {
    hide();
}
