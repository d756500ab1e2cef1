#pragma once
#include "common/controls.h"
#include "common/family.h"
#include "common/form.h"
#include "equipment/purse.h"

#include <array>

// The equipment sheet: clothing, twenty-four equipment lines, the purse and the notes.
class Equip : public Form {
    Q_OBJECT
public:
    Equip();
    void Form_Unload() override;

    void Attributs_Click();
    void personnage_Click();
    void monnaie_Click();
    void notes_Change();

    TextBox* coinBox(purse::Coin coin) const;

    // The sixteen clothing slots, two per body part, in this order; vetement[i] is named
    // clothingNames[i] ("tete1".."pieds2") and its weight box "poids" + that name.
    static const std::array<QString, 17> clothingNames;
    Family<ComboBox, 16> vetement;
    Family<TextBox, 16> poidsvetement;

    // Equipment lines equip1..equip24 and their weights poidsequip1..poidsequip24.
    Family<ComboBox, 24> equip;
    Family<TextBox, 24> poidsequip;

    // Kind filters Option1..Option4.
    OptionGroup filterGroup;
    Family<OptionButton, 4> Option;

    TextBox *poidsmaximum, *poidstransporte;
    TextBox *piecesor, *piecesargent, *piecesbronze, *piecescuivre;
    CommandButton* monnaie;
    MemoBox* notes;
    CommandButton *Attributs, *personnage;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void arrange(QWidget* central); // equip_layout.cpp
    void connectHandlers();
};

inline Equip& equip() {
    return forms::get<Equip>();
}
