#pragma once
// Reading an item file of the catalogue: the folder of `transaction.fichier`, "/", the item's
// name and its kind's extension; one field per line, read whole.
#include "common/itemrecord.h"
#include "common/textfile.h"

#include <QStringList>
#include <functional>
#include <optional>

// Opens an item file, taking a file number into `numfichier`. A name that is empty or holds
// "/" or "\" names no item: error 53, like a missing file; other failures raise the file's
// own error.
TextInput openItemFile(const QString& name, const QString& extension);

// Looks for the item `name` under the twelve kinds in their order (".arm" first), filling
// `extensions`: the first file that opens decides the kind, left in `compteur`. With no file
// of any kind, `compteur` ends at 13 and nothing is answered.
std::optional<TextInput> openItemOfAnyKind(const QString& name);

// "Objet inexistant dans le répertoire des Objet." and its two further lines: the item that
// was looked for has no file of any kind.
void objetInexistant();

// Runs an item handler's steps under its error trap: answers the number of the run-time error
// that ended them, 0 when none did.
int trapErrors(const std::function<void()>& steps);
