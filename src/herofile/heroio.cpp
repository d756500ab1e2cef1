#include "herofile/heroio.h"

#include "common/eventboundary.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "equipment/itemlists.h"
#include "equipment/loadlimit.h"
#include "hero/perso.h"
#include "hero/poidstotal.h"
#include "herofile/cheminperso.h"
#include "herofile/herochanges.h"
#include "herofile/herofile.h"
#include "herofile/herolist.h"
#include "herofile/herosheets.h"
#include "herofile/settings.h"

namespace {

QString heroesFolder() { return settings::current().heroFolder; }

} // namespace

void remplitheros() {
    QStringList names;
    try {
        names = savedHeroes(heroesFolder());
    } catch (const RuntimeError&) {
        // A folder that has gone lists no hero; the user can choose another one.
    }
    ComboBox* nom = perso().nom;
    const QString typed = nom->text();
    nom->clearList();
    nom->addItems(names);
    nom->setText(typed);
}

void sauvegardeHeros() {
    const QString name = perso().nom->text();
    if (!isValidHeroName(name)) {
        msgBox(QStringLiteral("Utilisation d'un caractère interdit !"), MsgIcon::Exclamation,
               QString());
        return;
    }
    // A failed write reaches the event boundary, which shows it under "Erreur !": the old file
    // stays whole, the list is not refilled and the hero still counts as changed.
    const HeroRecord hero = collectHero();
    writeHeroFile(heroFilePath(heroesFolder(), name), hero);
    heroKept(hero);
    remplitheros();
}

void chargeHeros() {
    // The whole file is read before any field changes: a file that cannot be read reaches the
    // event boundary, shown under "Erreur !", and the sheets keep the hero they had.
    const HeroRecord hero = readHeroFile(heroFilePath(heroesFolder(), perso().nom->text()));
    {
        // Weighing a hero half written would refuse weights that the whole hero can carry.
        const LoadChecksHeld held;
        // Every item box written refreshes the item listers: one warning for the whole hero.
        const ListingBatch batch;
        applyHero(hero);
    }
    poidstotal();
    if (heroLoaded() && overLoadLimit()) chargeMaximumDepassee();
    // As the sheets show it once loaded: what their handling makes of the file is no change.
    heroKept(collectHero());
}

void ouvreRepertoireHeros() {
    Cheminperso& dialog = cheminperso();
    try {
        dialog.setFolder(heroesFolder());
    } catch (const RuntimeError&) {
        dialog.setFolder(QStringLiteral("C:\\"));
    }
    dialog.show();
}

void repertoireHerosChoisi() {
    const QString folder = cheminperso().cheminfichierperso->caption();
    settings::current().heroFolder = folder;
    perso().trans->setText(folder);
    runEvent(sauveini); // a failed write is shown, and the list still follows the folder
    remplitheros();
}
