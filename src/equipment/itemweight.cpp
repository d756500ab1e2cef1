#include "equipment/itemweight.h"

#include "common/itemkinds.h"
#include "common/messagebox.h"
#include "common/shared.h"
#include "equipment/itemfile.h"

#include <optional>

bool chargeobjet() {
    std::optional<TextInput> file = openItemOfAnyKind(shared::nomobjet);
    if (!file) {
        objetInexistant();
        return false;
    }
    const int weightLine = itemkinds::weightLine(static_cast<int>(shared::compteur));
    shared::objetligne[1] =
        weightLine == 0 ? QStringLiteral("0") : itemrecord::readLines(*file, weightLine).back();
    return true;
}

void erreurobjet(int trappedError) {
    if (trappedError != 62) return;
    msgBox(QStringLiteral("Objet incorrect dans le répertoire des Objet.\r\n"
                          "Veuillez utiliser 'Saisie' !"),
           MsgIcon::Exclamation);
}
