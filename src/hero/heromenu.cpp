// The hero sheet's menu bar: the "Perso" menu for the hero itself, then the sheets' tool entries.
#include "hero/perso.h"

#include "common/drivepath.h"

#include "app/sheetmenus.h"
#include "hero/effacefiche.h"
#include "hero/portraitfolder.h"
#include "hero/printing.h"
#include "hero/tirage.h"
#include "herofile/herochanges.h"
#include "herofile/heroio.h"
#include "herofile/settings.h"
#include "tools/transfertheros.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

void Perso::buildMenus() {
    auto entry = [this](QMenu* menu, const QString& name, const QString& text, void (Perso::*handler)()) {
        auto* e = new MenuEntry(name, text, this);
        e->onClick([this, handler] { (this->*handler)(); });
        menu->addAction(e);
        return e;
    };
    menuperso = menuBar()->addMenu(QStringLiteral("Perso"));
    menuperso->setObjectName(QStringLiteral("menuperso"));
    menunouveau = entry(menuperso, QStringLiteral("menunouveau"), QStringLiteral("Nouveau"),
                        &Perso::menunouveau_Click);
    sauvegarde = entry(menuperso, QStringLiteral("sauvegarde"), QStringLiteral("Sauvegarder"),
                       &Perso::sauvegarde_Click);
    sauvegarde->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    menutirage = entry(menuperso, QStringLiteral("menutirage"), QStringLiteral("Tirage"),
                       &Perso::menutirage_Click);
    menuportrait = entry(menuperso, QStringLiteral("menuportrait"), QStringLiteral("Portrait..."),
                         &Perso::menuportrait_Click);
    menurepertoire = entry(menuperso, QStringLiteral("menurepertoire"),
                           QStringLiteral("Répertoire des personnages"),
                           &Perso::menurepertoire_Click);
    menuimprimer = entry(menuperso, QStringLiteral("menuimprimer"), QStringLiteral("Imprimer"),
                         &Perso::menuimprimer_Click);

    sheetmenus::build(*this, Sheet::Perso);
}

void Perso::menunouveau_Click() {
    if (heroMayBeLost(QStringLiteral("Effacer le héros sans l'enregistrer ?"))) effacefiche();
}

void Perso::sauvegarde_Click() { sauvegardeHeros(); }

void Perso::menurepertoire_Click() { ouvreRepertoireHeros(); }

void Perso::nom_Click() {
    chargeHeros();
    transfertheros();
}

void Perso::menutirage_Click() {
    tirage();
    transfertheros();
}

void Perso::menuportrait_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Portrait"),
        portraitFolder(cheminportrait, settings::current().heroFolder),
        QStringLiteral("Images (*.bmp *.jpg *.jpeg *.gif *.png *.ico);;Tous les fichiers (*)"));
    // The hero file keeps the path in drive form, like every path the program stores.
    if (!path.isEmpty()) setPortrait(drivepath::toDrive(path));
}

void Perso::menuimprimer_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) imprimeFiches(printer);
}
