#include "equipment/itemweight.h"

#include "common/itemkinds.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "equipment/itemfile.h"

#include <optional>

bool chargeobjet() {
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        shared::extensions[kind] = itemkinds::extension[kind];
    for (shared::compteur = 1; shared::compteur <= itemkinds::count; ++shared::compteur) {
        const int kind = static_cast<int>(shared::compteur);
        std::optional<TextInput> file;
        try {
            file.emplace(openItemFile(shared::nomobjet, shared::extensions[kind]));
        } catch (const RuntimeError&) {
            continue; // not of this kind
        }
        const int weightLine = itemkinds::weightLine(kind);
        shared::objetligne[1] =
            weightLine == 0 ? QStringLiteral("0") : readItemLines(*file, weightLine).back();
        return true;
    }
    msgBox(QStringLiteral("Objet inexistant dans le répertoire des Objet.\r\n"
                          "Veuillez préciser l'endroit du répertoire\r\n"
                          "Veuillez utiliser 'Saisie' !"),
           MsgIcon::Exclamation);
    return false;
}

void erreurobjet(int trappedError) {
    if (trappedError != 62) return;
    msgBox(QStringLiteral("Objet incorrect dans le répertoire des Objet.\r\n"
                          "Veuillez utiliser 'Saisie' !"),
           MsgIcon::Exclamation);
}
