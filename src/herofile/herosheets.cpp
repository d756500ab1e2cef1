#include "herofile/herosheets.h"

#include "common/runtimeerror.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"

namespace {

QString chosenType(const Perso& sheet) {
    for (const OptionButton* option : sheet.typeGroup.buttons())
        if (option->value()) return option->objectName();
    return {};
}

// An unknown name, as well as the empty one, leaves no type chosen.
void chooseType(Perso& sheet, const QString& name) {
    for (OptionButton* option : sheet.typeGroup.buttons())
        if (option->objectName() == name) return option->setValue(true);
    for (OptionButton* option : sheet.typeGroup.buttons())
        option->setValue(false);
}

// A picture that has gone or is no picture must not stop the hero from loading; its path is
// kept so that saving the hero again does not lose it.
void showPortrait(Perso& sheet, const QString& path) {
    try {
        sheet.setPortrait(path);
    } catch (const RuntimeError&) {
        sheet.setPortrait(QString());
        sheet.cheminportrait = path;
    }
}

template <class Values, class Controls> void readEach(Values& values, const Controls& controls) {
    for (std::size_t n = 1; n < values.size(); ++n)
        values[n] = controls[n]->text();
}

template <class Values, class Controls>
void writeEach(const Values& values, const Controls& controls) {
    for (std::size_t n = 1; n < values.size(); ++n)
        controls[n]->setText(values[n]);
}

} // namespace

HeroRecord collectHero() {
    HeroRecord hero;
    Perso& p = perso();
    hero.nom = p.nom->text();
    hero.sexe = p.sexe->text();
    hero.typeHeros = chosenType(p);
    hero.autre = p.autre->text();
    hero.devotion = p.devotion->text();
    hero.portrait = p.cheminportrait;
    hero.courage = p.courage->text();
    hero.intelligence = p.intelligence->text();
    hero.charisme = p.charisme->text();
    hero.adresse = p.adresse->text();
    hero.force = p.force->text();
    hero.endurance = p.endurance->text();
    hero.energievitale = p.energievitale->text();
    hero.evinitiale = p.evinitiale->text();
    hero.energieastrale = p.energieastrale->text();
    hero.attaque = p.attaque->text();
    hero.parade = p.parade->text();
    hero.bonusattaque = p.bonusattaque->text();
    hero.bonusparade = p.bonusparade->text();
    hero.bonusparade2 = p.bonusparade2->text();
    hero.niveau = p.niveau->text();
    hero.experience = p.experience->text();
    hero.prochainniveau = p.prochainniveau->text();
    for (int n = 1; n <= 3; ++n)
        hero.melee[n] = {p.melee[n]->text(),     p.armeAttaque[n]->text(), p.armeParade[n]->text(),
                         p.facteur[n]->text(),   p.pim1[n]->text(),        p.pim2[n]->text(),
                         p.poidsmelee[n]->text()};
    for (int n = 1; n <= 3; ++n)
        hero.distance[n] = {p.distance[n]->text(), p.pid1[n]->text(), p.pid2[n]->text(),
                            p.portee[n]->text(), p.poidsdistance[n]->text()};
    for (int n = 1; n <= 2; ++n)
        hero.munition[n] = {p.munition[n]->text(), p.poidsunitaire[n]->text(),
                            p.quantite[n]->text(), p.poidsmunition[n]->text()};
    for (int n = 1; n <= 3; ++n)
        hero.protection[n] = {p.protection[n]->text(), p.prot[n]->text(), p.malus[n]->text(),
                              p.poidsprotection[n]->text()};

    Attrib& a = attrib();
    readEach(hero.habilete, a.habilete);
    readEach(hero.sociabilite, a.sociabilite);
    readEach(hero.science, a.science);
    readEach(hero.survie, a.survie);
    hero.pointsarepartir = a.pointsarepartir->text();

    // The equipment sheet holds the purse; the skills sheet shows a copy of it.
    Equip& e = equip();
    for (int n = 1; n <= 16; ++n)
        hero.vetement[n] = {e.vetement[n]->text(), e.poidsvetement[n]->text()};
    for (int n = 1; n <= 24; ++n)
        hero.equip[n] = {e.equip[n]->text(), e.poidsequip[n]->text()};
    hero.piecesor = e.piecesor->text();
    hero.piecesargent = e.piecesargent->text();
    hero.piecesbronze = e.piecesbronze->text();
    hero.piecescuivre = e.piecescuivre->text();
    hero.notes = e.notes->text();
    return hero;
}

void applyHero(const HeroRecord& hero) {
    Perso& p = perso();
    Attrib& a = attrib();
    Equip& e = equip();
    p.setWindowTitle(hero.nom + QStringLiteral(" - Feuille de Personnage"));
    a.setWindowTitle(hero.nom + QStringLiteral(" - Attributs"));
    e.setWindowTitle(hero.nom + QStringLiteral(" - Equipement"));

    p.nom->setText(hero.nom);
    p.sexe->setText(hero.sexe);
    chooseType(p, hero.typeHeros);
    p.autre->setText(hero.autre);
    p.devotion->setText(hero.devotion);
    showPortrait(p, hero.portrait);
    p.courage->setText(hero.courage);
    p.intelligence->setText(hero.intelligence);
    p.charisme->setText(hero.charisme);
    p.force->setText(hero.force);
    p.endurance->setText(hero.endurance);
    // The initial value first: the life energy is checked against this hero's, not the last one's.
    p.evinitiale->setText(hero.evinitiale);
    p.energievitale->setText(hero.energievitale);
    p.energieastrale->setText(hero.energieastrale);
    p.attaque->setText(hero.attaque);
    p.parade->setText(hero.parade);
    p.bonusattaque->setText(hero.bonusattaque);
    p.bonusparade->setText(hero.bonusparade);
    p.bonusparade2->setText(hero.bonusparade2);
    p.niveau->setText(hero.niveau);
    p.experience->setText(hero.experience);
    p.prochainniveau->setText(hero.prochainniveau);
    // Each slot's name before its values: emptying a name empties the slot.
    for (int n = 1; n <= 3; ++n) {
        const auto& slot = hero.melee[n];
        p.melee[n]->setText(slot.name);
        p.armeAttaque[n]->setText(slot.attaque);
        p.armeParade[n]->setText(slot.parade);
        p.facteur[n]->setText(slot.facteur);
        p.pim1[n]->setText(slot.pim1);
        p.pim2[n]->setText(slot.pim2);
        p.poidsmelee[n]->setText(slot.poidsmelee);
    }
    for (int n = 1; n <= 3; ++n) {
        const auto& slot = hero.distance[n];
        p.distance[n]->setText(slot.name);
        p.pid1[n]->setText(slot.pid1);
        p.pid2[n]->setText(slot.pid2);
        p.portee[n]->setText(slot.portee);
        p.poidsdistance[n]->setText(slot.poidsdistance);
    }
    for (int n = 1; n <= 2; ++n) {
        const auto& slot = hero.munition[n];
        p.munition[n]->setText(slot.name);
        p.poidsunitaire[n]->setText(slot.poidsunitaire);
        p.quantite[n]->setText(slot.quantite);
        p.poidsmunition[n]->setText(slot.poidsmunition);
    }
    for (int n = 1; n <= 3; ++n) {
        const auto& slot = hero.protection[n];
        p.protection[n]->setText(slot.name);
        p.prot[n]->setText(slot.prot);
        p.malus[n]->setText(slot.malus);
        p.poidsprotection[n]->setText(slot.poidsprotection);
    }
    // Saved with the protections' malus already taken: written after them, so that each malus
    // is taken once and the sheet shows the value saved.
    p.adresse->setText(hero.adresse);

    writeEach(hero.habilete, a.habilete);
    writeEach(hero.sociabilite, a.sociabilite);
    writeEach(hero.science, a.science);
    writeEach(hero.survie, a.survie);
    a.pointsarepartir->setText(hero.pointsarepartir);

    for (int n = 1; n <= 16; ++n) {
        e.vetement[n]->setText(hero.vetement[n].name);
        e.poidsvetement[n]->setText(hero.vetement[n].poids);
    }
    for (int n = 1; n <= 24; ++n) {
        e.equip[n]->setText(hero.equip[n].name);
        e.poidsequip[n]->setText(hero.equip[n].poids);
    }
    // Written on both sheets, so the purse agrees whatever the coin boxes' own handling copies.
    const auto writePurse = [&hero](auto& sheet) {
        sheet.piecesor->setText(hero.piecesor);
        sheet.piecesargent->setText(hero.piecesargent);
        sheet.piecesbronze->setText(hero.piecesbronze);
        sheet.piecescuivre->setText(hero.piecescuivre);
    };
    writePurse(e);
    writePurse(a);
    e.notes->setText(hero.notes);
}
