#pragma once
#include "common/controls.h"
#include "tools/toolwindow.h"

// The ranged shot: a weapon, a distance band and a target size give a difficulty from the shot
// table; "Epreuve" then tests the hero's adresse with it and the ranged-combat skill.
class TirDist : public ToolWindow {
    Q_OBJECT
public:
    TirDist();

    void arme_Click() { affichevaleur(); }
    void distance_Click() { affichevaleur(); }
    void cible_Click() { affichevaleur(); }
    void raz_Click();
    void epreuve_Click();

    void affichevaleur();
    void rafraich();

    ComboBox *arme, *distance, *cible;
    Label *Label1, *Label3, *Label4, *Label5, *Label2;
    TextBox *valeur, *adresse;
    CommandButton *raz, *epreuve;
    Label *stock, *resultat;
};

inline TirDist& tir_dist() {
    return forms::get<TirDist>();
}

// Empties the three lists (their choices go with them), the difficulty, the result and the
// adresse, then fills the lists again. The last cell looked up stays in `stock` for "RAZ".
void inittir();
