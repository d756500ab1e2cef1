// The hero sheet's menu bar: the "Perso" menu for the hero itself, then the tool entries.
#include "hero/perso.h"

#include "common/drivepath.h"

#include "app/about.h"
#include "app/toolentries.h"
#include "hero/effacefiche.h"
#include "hero/printing.h"
#include "hero/tirage.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

void Perso::buildMenus() {
    auto entry = [this](QMenu* menu, const QString& name, const QString& text, void (Perso::*handler)()) {
        auto* e = new MenuEntry(name, text, this);
        e->onClick([this, handler] { (this->*handler)(); });
        if (menu)
            menu->addAction(e);
        else
            menuBar()->addAction(e); // a tool entry stands alone on the bar
        return e;
    };
    menuperso = menuBar()->addMenu(QStringLiteral("Perso"));
    menuperso->setObjectName(QStringLiteral("menuperso"));
    menunouveau = entry(menuperso, QStringLiteral("menunouveau"), QStringLiteral("Nouveau"),
                        &Perso::menunouveau_Click);
    menutirage = entry(menuperso, QStringLiteral("menutirage"), QStringLiteral("Tirage"),
                       &Perso::menutirage_Click);
    menuportrait = entry(menuperso, QStringLiteral("menuportrait"), QStringLiteral("Portrait..."),
                         &Perso::menuportrait_Click);
    menuimprimer = entry(menuperso, QStringLiteral("menuimprimer"), QStringLiteral("Imprimer"),
                         &Perso::menuimprimer_Click);

    menulanterne = entry(nullptr, QStringLiteral("menulanterne"), QStringLiteral("Lanterne"),
                         &Perso::menulanterne_Click);
    menuaide = entry(nullptr, QStringLiteral("menuaide"), QStringLiteral("Aide"),
                     &Perso::menuaide_Click);
    menuabout = entry(nullptr, QStringLiteral("menuabout"), QStringLiteral("A propos"),
                      &Perso::menuabout_Click);
}

void Perso::menunouveau_Click() { effacefiche(); }

void Perso::menutirage_Click() { tirage(); }

void Perso::menuportrait_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Portrait"), QString(),
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

void Perso::menulanterne_Click() { runLanterne(); }

void Perso::menuaide_Click() { openHelpPage(); }

void Perso::menuabout_Click() { about().show(); }
