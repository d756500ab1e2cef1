#include "equipment/itemfile.h"

#include "common/itemkinds.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "shop/transaction.h"

namespace {

// A name is a file name: a separator would lead into another folder. Dots are the name's own
// ("Fiole..."): with the kind's extension after them they never make a ".." of the path.
bool isPlainName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

} // namespace

TextInput openItemFile(const QString& name, const QString& extension) {
    shared::numfichier = freeFile();
    if (!isPlainName(name)) throw RuntimeError(53);
    return TextInput(transaction().fichier->path() + u'/' + name + extension);
}

std::optional<TextInput> openItemOfAnyKind(const QString& name) {
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        shared::extensions[kind] = itemkinds::extension[kind];
    for (shared::compteur = 1; shared::compteur <= itemkinds::count; ++shared::compteur) {
        try {
            return openItemFile(name, shared::extensions[shared::compteur]);
        } catch (const RuntimeError&) {
            // not of this kind
        }
    }
    return std::nullopt;
}

void objetInexistant() {
    msgBox(QStringLiteral("Objet inexistant dans le répertoire des Objet.\r\n"
                          "Veuillez préciser l'endroit du répertoire\r\n"
                          "Veuillez utiliser 'Saisie' !"),
           MsgIcon::Exclamation);
}

int trapErrors(const std::function<void()>& steps) {
    try {
        steps();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}
