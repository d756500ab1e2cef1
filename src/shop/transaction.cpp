#include "shop/transaction.h"

#include "common/folderfile.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "herofile/settings.h"

#include <QVBoxLayout>

Transaction::Transaction() : Form(QStringLiteral("transaction"), QStringLiteral("Transaction")) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    // The lister only serves the program; the user never sees it.
    fichier = new FileListBox(QStringLiteral("fichier"), central);
    fichier->hide();
    layout->addWidget(fichier);
    setCentralWidget(central);
}

// The shop keeps the folder it buys from; without a folder file it keeps the one it had.
// `motif` is left to whoever is listing.
void Transaction::Form_Load() {
    settings::placeWindow(*this);
    try {
        shared::cheminobjets = folderfile::read(folderfile::objets);
    } catch (const RuntimeError&) {
    }
}

// Where the shop stood is kept for the next time it opens.
void Transaction::Form_Unload() {
    settings::keepPosition(*this);
    sauveini();
}
