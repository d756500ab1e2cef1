#include "catalogues/saisie.h"

#include "catalogues/objetsini.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "herofile/settings.h"
#include "equipment/itemlists.h"

#include <QVBoxLayout>

Saisie::Saisie() : Form(QStringLiteral("saisie"), QStringLiteral("Objets")) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    arm = new OptionButton(QStringLiteral("arm"), QStringLiteral("Armes de mélée"), kindGroup,
                           central);
    layout->addWidget(arm);
    // The lister only serves the editor's name lists; the user never sees it.
    fichier = new FileListBox(QStringLiteral("fichier"), central);
    fichier->hide();
    layout->addWidget(fichier);
    setCentralWidget(central);
    arm->onClick([this] { arm_Click(); });
}

// The editor saves where its folder file points; without one it keeps the folder it had.
void Saisie::Form_Load() {
    settings::placeWindow(*this);
    try {
        shared::cheminobjets = readItemFolder();
    } catch (const RuntimeError&) {
    }
    arm->setValue(true);
}

void Saisie::arm_Click() {
    shared::typesaisie = 1;
    shared::motif = QStringLiteral("*.arm");
    rafraichlistes();
}

// Where the editor stood is kept in the settings file, written when the sheets close.
void Saisie::Form_Unload() { settings::keepPosition(*this); }
