#pragma once
#include "common/controls.h"
#include "common/family.h"
#include "common/form.h"

// The hero sheet, the program's main window: closing it ends the program.
class Perso : public Form {
    Q_OBJECT
public:
    Perso();
    void Form_Unload() override;

    // The hero
    ComboBox* nom;  // editable; its list holds the saved heroes
    ComboBox* sexe; // list
    TextBox *courage, *intelligence, *charisme, *adresse, *force;
    TextBox *endurance, *energievitale, *evinitiale, *energieastrale;
    TextBox *attaque, *parade, *bonusattaque, *bonusparade, *bonusparade2;
    TextBox *niveau, *experience, *prochainniveau;
    Label* portrait;
    TextBox* trans; // hidden: the heroes' folder

    // Hero type: one option group, none set allowed
    OptionGroup typeGroup;
    OptionButton *aventurier, *guerrier, *nain, *magicien, *elfe, *elfebois, *cavalier, *druide,
        *pretre, *autrerace;
    TextBox* autre;
    ComboBox* devotion; // list, no deity chosen at first

    // Melee slots: melee1..3 with attaque1..3, parade1..3, facteur1..3, pim11..13, pim21..23,
    // poidsmelee1..3 (the slot's attack and parade are armeAttaque / armeParade here, apart from
    // the hero's own attaque and parade).
    Family<ComboBox, 3> melee;
    Family<TextBox, 3> armeAttaque, armeParade, facteur, pim1, pim2, poidsmelee;
    // Ranged slots: distance1..3 with pid11..13, pid21..23, portee1..3, poidsdistance1..3
    Family<ComboBox, 3> distance;
    Family<TextBox, 3> pid1, pid2, portee, poidsdistance;
    // Ammunition: munition1..2 with poidsunitaire1..2, quantite1..2, poidsmunition1..2
    Family<ComboBox, 2> munition;
    Family<TextBox, 2> poidsunitaire, quantite, poidsmunition;
    // Protections: protection1..3 with prot1..3, malus1..3, poidsprotection1..3
    Family<ComboBox, 3> protection;
    Family<TextBox, 3> prot, malus, poidsprotection;

    TextBox *poidsmaximum, *poidstransporte;
    CommandButton *Attributs, *Equipement, *passageniveau;
};

inline Perso& perso() { return forms::get<Perso>(); }
