#include "common/shared.h"

namespace shared {

void reset() {
    numfichier = compteur = longnom = typesaisie = choixrepertoire = delai = valeurapt = 0;
    repertoire.clear();
    motif.clear();
    nomcourant.clear();
    cheminobjets.clear();
    prixunite.clear();
    unitemonnaie.clear();
    poidsunite.clear();
    nomobjet.clear();
    objetligne.fill(QString());
    extensions.fill(QString());
    enpause = modeextension = accepte = false;
}

} // namespace shared
