#pragma once
#include "common/controls.h"
#include "common/form.h"

// "GAME OVER": the score of the game just lost, then "Rejouer" or "Quitter".
class SnakeFin : public Form {
    Q_OBJECT
public:
    SnakeFin();

    void Command1_Click(); // "Rejouer"
    void Command2_Click(); // "Quitter"

    Label *Label1, *lblPoint, *lblRes;
    CommandButton *Command1, *Command2;
};

inline SnakeFin& snakeFin() {
    return forms::get<SnakeFin>();
}
