#pragma once
#include "common/controls.h"
#include "common/form.h"

// The cost dialog "Evolution d'Aptitude": what raising a skill by one costs in points à
// répartir and silver, whether the hero can pay it, and the answer in `accepte`. It is shown
// without blocking; the raise waits until it is hidden, then reads `accepte`.
class Coutpoint : public Form {
    Q_OBJECT
public:
    Coutpoint();
    // Closing the dialog by its close box refuses the raise.
    void Form_Unload() override;

    // Shows the dialog for the figures standing in `points` and `prixpoints`, says whether the
    // points à répartir and the purse of `attrib` cover them, and sets `accepte`.
    void affichecout();

    void accepter_Click();
    void refuser_Click();
    void retour_Click();

    Label* points;     // cost in points à répartir
    Label* prixpoints; // price in silver pieces
    TextBox* refus;    // what the hero lacks
    CommandButton *accepter, *refuser, *retour;
};

inline Coutpoint& coutpoint() {
    return forms::get<Coutpoint>();
}
