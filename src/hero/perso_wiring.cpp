// Which handler each control of the hero sheet runs.
#include "hero/perso.h"
#include "tools/transfertheros.h"

void Perso::wireHandlers() {
    nom->onClick([this] { nom_Click(); });
    force->onChange([this] { force_Change(); });
    experience->onChange([this] { experience_Change(); });
    // The level check also follows the threshold, so that the button never lies whichever of the
    // two is written last.
    prochainniveau->onChange([this] { experience_Change(); });
    energievitale->onChange([this] { energievitale_Change(); });

    for (int i = 1; i <= 3; ++i) {
        melee[i]->onChange([this, i] { melee_Change(i); });
        melee[i]->onClick([this, i] { melee_Click(i); });
        distance[i]->onChange([this, i] { distance_Change(i); });
        distance[i]->onClick([this, i] { distance_Click(i); });
        protection[i]->onChange([this, i] { protection_Change(i); });
        protection[i]->onClick([this, i] { protection_Click(i); });
        malus[i]->onChange([this, i] { malus_Change(i); });
    }
    for (int i = 1; i <= 2; ++i) {
        munition[i]->onChange([this, i] { munition_Change(i); });
        munition[i]->onClick([this, i] { munition_Click(i); });
        poidsunitaire[i]->onChange([this, i] { poidsunitaire_Change(i); });
        quantite[i]->onChange([this, i] { quantite_Change(i); });
    }
    auto weights = [this](const auto& family) {
        for (std::size_t i = 1; i < family.size(); ++i) {
            TextBox* weight = family[i];
            weight->onChange([this, weight] { poids_Change(weight); });
        }
    };
    weights(poidsmelee);
    weights(poidsdistance);
    weights(poidsmunition);
    weights(poidsprotection);

    Attributs->onClick([this] { Attributs_Click(); });
    Equipement->onClick([this] { Equipement_Click(); });
    passageniveau->onClick([this] { passageniveau_Click(); });
    wireTransfertheros(*this);
}
