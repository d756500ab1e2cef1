#pragma once
#include "common/controls.h"
#include "common/family.h"
#include "common/form.h"

// The skills sheet: fifty skills in four groups, the points à répartir and the purse.
class Attrib : public Form {
    Q_OBJECT
public:
    Attrib();
    void Form_Unload() override;

    // Value boxes, "+" raise buttons and "E" test buttons, one row per skill.
    Family<TextBox, 12> habilete, sociabilite;
    Family<TextBox, 13> science, survie;
    Family<CommandButton, 12> pha, pso, eha, eso;
    Family<CommandButton, 13> psc, psu, esc, esu;

    TextBox* pointsarepartir;
    TextBox *piecesor, *piecesargent, *piecesbronze, *piecescuivre;
    CommandButton *personnage, *Equipement;
};

inline Attrib& attrib() { return forms::get<Attrib>(); }
