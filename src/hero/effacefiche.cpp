#include "hero/effacefiche.h"

#include "equipment/equip.h"
#include "equipment/itemlists.h"
#include "hero/perso.h"
#include "herofile/herochanges.h"
#include "herofile/herosheets.h"
#include "skills/attrib.h"
#include "tools/combat.h"
#include "tools/sheetservices.h"

namespace {

template <class Boxes> void writeAll(const Boxes& boxes, const QString& text) {
    for (std::size_t i = 1; i < boxes.size(); ++i) boxes[i]->setText(text);
}

void clearHeroSheet() {
    Perso& p = perso();
    // Force first: without a hero no load check runs while a hero over its limit is taken apart.
    p.force->clear();

    // The slots before adresse: an emptied protection gives its malus back to adresse, which is
    // emptied afterwards. The companions are emptied too where the name already was.
    for (int i = 1; i <= 3; ++i) {
        p.melee[i]->setText(QString());
        for (TextBox* box : {p.armeAttaque[i], p.armeParade[i], p.facteur[i], p.pim1[i],
                             p.pim2[i], p.poidsmelee[i]})
            box->clear();
        p.distance[i]->setText(QString());
        for (TextBox* box : {p.pid1[i], p.pid2[i], p.portee[i], p.poidsdistance[i]}) box->clear();
        p.protection[i]->setText(QString());
        for (TextBox* box : {p.prot[i], p.malus[i], p.poidsprotection[i]}) box->clear();
    }
    for (int i = 1; i <= 2; ++i) {
        p.munition[i]->setText(QString());
        for (TextBox* box : {p.poidsunitaire[i], p.quantite[i], p.poidsmunition[i]}) box->clear();
    }
    p.malusapplique.fill(0);

    p.nom->setText(QString());
    p.sexe->setCurrentIndex(-1);
    for (TextBox* box : {p.courage, p.intelligence, p.charisme, p.adresse, p.endurance,
                         p.energievitale, p.evinitiale, p.energieastrale, p.attaque, p.parade,
                         p.bonusattaque, p.bonusparade, p.bonusparade2, p.niveau, p.experience,
                         p.prochainniveau, p.poidsmaximum, p.poidstransporte})
        box->clear();
    for (OptionButton* type : p.typeGroup.buttons()) type->setValue(false);
    p.autre->setText(QStringLiteral("Autre"));
    p.devotion->setCurrentIndex(-1);
    p.setPortrait(QString());
    p.setWindowTitle(QStringLiteral("Feuille de Personnage"));
}

void clearSkillsSheet() {
    Attrib& a = attrib();
    writeAll(a.habilete, QString());
    writeAll(a.sociabilite, QString());
    writeAll(a.science, QString());
    writeAll(a.survie, QString());
    a.pointsarepartir->clear();
    for (TextBox* coin : {a.piecesor, a.piecesargent, a.piecesbronze, a.piecescuivre})
        coin->setText(QStringLiteral("0"));
    a.setWindowTitle(QStringLiteral("Attributs"));
}

void clearEquipmentSheet() {
    Equip& e = equip();
    // Names before weights, as on the hero sheet.
    writeAll(e.vetement, QString());
    writeAll(e.poidsvetement, QString());
    writeAll(e.equip, QString());
    writeAll(e.poidsequip, QString());
    for (TextBox* coin : {e.piecesor, e.piecesargent, e.piecesbronze, e.piecescuivre})
        coin->setText(QStringLiteral("0"));
    e.notes->setText(QString());
    e.poidsmaximum->clear();
    e.poidstransporte->clear();
    e.setWindowTitle(QStringLiteral("Equipement"));
}

} // namespace

void effacefiche() {
    // Emptying the item boxes refreshes the item listers; a missing folder file is no news
    // worth a message while the hero is being cleared.
    const ListingBatch silent(ListingBatch::Report::Never);
    clearHeroSheet();
    clearSkillsSheet();
    clearEquipmentSheet();
    effaceHerosCombat();
    testWindowsForNewHero();
    heroKept(collectHero());
}
