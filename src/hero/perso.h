#pragma once
#include "common/controls.h"
#include "common/family.h"
#include "common/form.h"

#include <QMenu>
#include <array>
#include <vector>

// The hero sheet, the program's main window: closing it ends the program.
class Perso : public Form {
    Q_OBJECT
public:
    Perso();
    void Form_Load() override;
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

    // Menu bar
    QMenu* menuperso;
    MenuEntry *menunouveau, *sauvegarde, *menutirage, *menuportrait, *menurepertoire, *menuimprimer;

    // The adresse malus each protection slot has taken off `adresse`, malusapplique1..3, so
    // that a new malus first gives the old one back.
    std::array<double, 4> malusapplique{};

    // The portrait's picture file, kept for the hero file.
    QString cheminportrait;
    // Shows the picture and keeps its path; the empty path takes the portrait away.
    // Throws RuntimeError 53 for a missing file, 481 for a file that is no picture.
    void setPortrait(const QString& path);

    // Handlers
    void force_Change();
    void experience_Change();
    void energievitale_Change();
    void melee_Change(int slot);
    void distance_Change(int slot);
    void munition_Change(int slot);
    void protection_Change(int slot);
    // A weapon, ammunition or protection chosen from its list: its item file fills the slot.
    void melee_Click(int slot);
    void distance_Click(int slot);
    void munition_Click(int slot);
    void protection_Click(int slot);
    void poidsunitaire_Change(int slot);
    void quantite_Change(int slot);
    void malus_Change(int slot);
    void poids_Change(TextBox* weight); // the load check of the eleven weight fields
    void Attributs_Click();
    void Equipement_Click();
    void passageniveau_Click();
    void menunouveau_Click();
    void sauvegarde_Click();
    void menurepertoire_Click();
    void nom_Click(); // a saved hero chosen in the list
    void menutirage_Click();
    void menuportrait_Click();
    void menuimprimer_Click();

    // Lights and enables the level-passage button, or puts it back at rest.
    void showLevelReached(bool reached);

    // A priest must have a deity before leaving the sheet for another window: shows
    // "Un prêtre doit choisir une dévotion." and answers true when the hero is refused.
    bool pretreSansDevotion();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();    // perso_layout.cpp
    void buildMenus();     // heromenu.cpp
    void wireHandlers();   // perso_wiring.cpp
    // A slot's companions, in the order its item file gives them from line 2.
    std::vector<TextBox*> meleeCompanions(int slot) const;
    std::vector<TextBox*> distanceCompanions(int slot) const;
    std::vector<TextBox*> munitionCompanions(int slot) const;
    std::vector<TextBox*> protectionCompanions(int slot) const;
    // A slot name's Change: an emptied name frees the slot, companions and all.
    // A slot's Click: lines 2 onward of the chosen item's file go into the companions.
    // The batch weight of an ammunition slot from its count and unit weight.
    void writeBatch(int slot, TextBox* changed);
    // Recomputes the carried weight; over the limit, says so and empties `changed`.
};

inline Perso& perso() { return forms::get<Perso>(); }
