#pragma once
#include "common/controls.h"
#include "common/form.h"

// The level-up dialog behind the level-passage button: adding a level raises the level by one
// and gives the skills sheet 10 more points à répartir.
class AugmentNiv : public Form {
    Q_OBJECT
public:
    AugmentNiv();
    void ajouter_Click();
    void annuler_Click();

    Label* message;
    CommandButton *ajouter, *annuler;

    void setVisible(bool visible) override;
};

inline AugmentNiv& augment_niv() { return forms::get<AugmentNiv>(); }
