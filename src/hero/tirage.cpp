#include "hero/tirage.h"

#include "common/chance.h"
#include "hero/perso.h"
#include "skills/attrib.h"

void tirage() {
    Perso& p = perso();
    for (TextBox* characteristic : {p.courage, p.intelligence, p.charisme, p.adresse, p.force}) {
        double value = 7 + chance::d6();
        // Adresse is kept net of the maluses of the protections worn, as if they were put on
        // after the roll: taking them off later gives back no more than they took.
        if (characteristic == p.adresse)
            value -= p.malusapplique[1] + p.malusapplique[2] + p.malusapplique[3];
        characteristic->setValue(value);
    }

    // A new hero starts with no skill learnt: the boxes as a cleared sheet has them.
    Attrib& a = attrib();
    auto start = [](const auto& skills) {
        for (std::size_t i = 1; i < skills.size(); ++i) skills[i]->setText(QString());
    };
    start(a.habilete);
    start(a.sociabilite);
    start(a.science);
    start(a.survie);
}
