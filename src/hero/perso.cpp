#include "hero/perso.h"

#include "common/shared.h"
#include "equipment/itemlists.h"
#include "herofile/cheminperso.h"
#include "herofile/herochanges.h"
#include "herofile/heroio.h"
#include "herofile/herosheets.h"
#include "herofile/settings.h"
#include "shop/transaction.h"
#include "skills/skillrow.h"
#include "snake/modsnake.h"
#include "tools/combat.h"
#include "tools/sheetservices.h"

Perso::Perso() : Form(QStringLiteral("perso"), QStringLiteral("Feuille de Personnage")) {
    auto* central = new QWidget(this);
    auto text = [&](const QString& name) { return new TextBox(name, central); };
    auto combo = [&](const QString& name) { return new ComboBox(name, ComboBox::Style::Editable, central); };
    auto option = [&](const QString& name, const QString& caption) {
        return new OptionButton(name, caption, typeGroup, central);
    };

    nom = combo(QStringLiteral("nom"));
    sexe = new ComboBox(QStringLiteral("sexe"), ComboBox::Style::List, central);
    courage = text(QStringLiteral("courage"));
    intelligence = text(QStringLiteral("intelligence"));
    charisme = text(QStringLiteral("charisme"));
    adresse = text(QStringLiteral("adresse"));
    force = text(QStringLiteral("force"));
    endurance = text(QStringLiteral("endurance"));
    energievitale = text(QStringLiteral("energievitale"));
    evinitiale = text(QStringLiteral("evinitiale"));
    energieastrale = text(QStringLiteral("energieastrale"));
    attaque = text(QStringLiteral("attaque"));
    parade = text(QStringLiteral("parade"));
    bonusattaque = text(QStringLiteral("bonusattaque"));
    bonusparade = text(QStringLiteral("bonusparade"));
    bonusparade2 = text(QStringLiteral("bonusparade2"));
    niveau = text(QStringLiteral("niveau"));
    experience = text(QStringLiteral("experience"));
    prochainniveau = text(QStringLiteral("prochainniveau"));
    portrait = new Label(QStringLiteral("portrait"), QString(), central);
    trans = text(QStringLiteral("trans"));
    trans->hide();

    aventurier = option(QStringLiteral("aventurier"), QStringLiteral("Aventurier"));
    guerrier = option(QStringLiteral("guerrier"), QStringLiteral("Guerrier"));
    nain = option(QStringLiteral("nain"), QStringLiteral("Nain"));
    magicien = option(QStringLiteral("magicien"), QStringLiteral("Magicien"));
    elfe = option(QStringLiteral("elfe"), QStringLiteral("Elfe"));
    elfebois = option(QStringLiteral("elfebois"), QStringLiteral("Elfe des bois"));
    cavalier = option(QStringLiteral("cavalier"), QStringLiteral("Cavalier"));
    druide = option(QStringLiteral("druide"), QStringLiteral("Druide"));
    pretre = option(QStringLiteral("pretre"), QStringLiteral("Prêtre"));
    autrerace = option(QStringLiteral("autrerace"), QString());
    autre = text(QStringLiteral("autre"));
    autre->setText(QStringLiteral("Autre"));
    devotion = new ComboBox(QStringLiteral("devotion"), ComboBox::Style::List, central);

    makeFamily(melee, QStringLiteral("melee"), combo);
    makeFamily(armeAttaque, QStringLiteral("attaque"), text);
    makeFamily(armeParade, QStringLiteral("parade"), text);
    makeFamily(facteur, QStringLiteral("facteur"), text);
    makeFamily(pim1, QStringLiteral("pim1"), text);
    makeFamily(pim2, QStringLiteral("pim2"), text);
    makeFamily(poidsmelee, QStringLiteral("poidsmelee"), text);
    makeFamily(distance, QStringLiteral("distance"), combo);
    makeFamily(pid1, QStringLiteral("pid1"), text);
    makeFamily(pid2, QStringLiteral("pid2"), text);
    makeFamily(portee, QStringLiteral("portee"), text);
    makeFamily(poidsdistance, QStringLiteral("poidsdistance"), text);
    makeFamily(munition, QStringLiteral("munition"), combo);
    makeFamily(poidsunitaire, QStringLiteral("poidsunitaire"), text);
    makeFamily(quantite, QStringLiteral("quantite"), text);
    makeFamily(poidsmunition, QStringLiteral("poidsmunition"), text);
    makeFamily(protection, QStringLiteral("protection"), combo);
    makeFamily(prot, QStringLiteral("prot"), text);
    makeFamily(malus, QStringLiteral("malus"), text);
    makeFamily(poidsprotection, QStringLiteral("poidsprotection"), text);

    poidsmaximum = text(QStringLiteral("poidsmaximum"));
    poidstransporte = text(QStringLiteral("poidstransporte"));
    Attributs = new CommandButton(QStringLiteral("Attributs"), QStringLiteral("Attributs"), central);
    Equipement = new CommandButton(QStringLiteral("Equipement"), QStringLiteral("Equipement"), central);
    passageniveau = new CommandButton(QStringLiteral("passageniveau"), QStringLiteral("Passage de niveau"), central);

    setCentralWidget(central);
    buildLayout();
    buildMenus();
    wireHandlers();
    showLevelReached(false);
}

void Perso::Form_Load() {
    lisini();
    Cheminperso::onAccepted(repertoireHerosChoisi);
    remplitheros();
    for (const char* sex : {"Masculin", "Féminin"}) sexe->addItem(QString::fromUtf8(sex));
    for (const QString& deity : skills::deities()) devotion->addItem(deity);

    modsnake::clearMarks();
    shared::enpause = false;
    shared::delai = 0;
    shared::modeextension = false;
    initCombat();
    testWindowsAtStartup();

    preparerBoutique();
    listItemsAtStartup();
    // The hero the program starts with is no one's work yet.
    heroKept(collectHero());
}

void Perso::Form_Unload() { endProgram(); }

void Perso::closeEvent(QCloseEvent* event) {
    if (sheetMayClose(*event)) Form::closeEvent(event);
}
