#pragma once
// Reading an item file of the catalogue: the folder of `transaction.fichier`, "/", the item's
// name and its kind's extension; one field per line, read whole.
#include "common/textfile.h"

#include <QStringList>
#include <functional>

// Opens an item file, taking a file number into `numfichier`. A name that is empty or holds
// "/" or "\" names no item: error 53, like a missing file; other failures raise the file's
// own error.
TextInput openItemFile(const QString& name, const QString& extension);

// Reads lines 1 to `count` whole into `objetligne1` onward and answers them; error 62 when the
// file ends before. The lines read before the end stay in the buffers.
QStringList readItemLines(TextInput& file, int count);

// Runs an item handler's steps under its error trap: answers the number of the run-time error
// that ended them, 0 when none did.
int trapErrors(const std::function<void()>& steps);
