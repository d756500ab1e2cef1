#pragma once
#include "common/controls.h"
#include "common/family.h"
#include "common/form.h"
#include "equipment/purse.h"

// The skills sheet: fifty skills in four groups, the points à répartir and the purse.
class Attrib : public Form {
    Q_OBJECT
public:
    Attrib();
    void Form_Unload() override;

    void personnage_Click();
    void Equipement_Click();
    // The hidden game's trigger (src/snake/trigger.cpp).
    void Label16_Click();
    void Label25_Click();
    void Label33_Click();

    TextBox* coinBox(purse::Coin coin) const;

    // Value boxes, "+" raise buttons and "E" test buttons, one row per skill.
    Family<TextBox, 12> habilete, sociabilite;
    Family<TextBox, 13> science, survie;
    Family<CommandButton, 12> pha, pso, eha, eso;
    Family<CommandButton, 13> psc, psu, esc, esu;
    // The skills' captions, " Combat à mains nues"...; the first three Habileté captions are
    // the labels Label16, Label25 and Label33, the others libellehabilete4...
    Family<Label, 12> libellehabilete, libellesociabilite;
    Family<Label, 13> libellescience, libellesurvie;
    Label *Label16, *Label25, *Label33;

    TextBox* pointsarepartir;
    TextBox *piecesor, *piecesargent, *piecesbronze, *piecescuivre;
    CommandButton *personnage, *Equipement;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeCaptions(QWidget* central); // attrib_layout.cpp
    void arrange(QWidget* central);      // attrib_layout.cpp
    void connectHandlers();
};

inline Attrib& attrib() {
    return forms::get<Attrib>();
}
