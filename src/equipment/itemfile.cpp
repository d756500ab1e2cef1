#include "equipment/itemfile.h"

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

QStringList readItemLines(TextInput& file, int count) {
    QStringList lines;
    for (int line = 1; line <= count; ++line) {
        lines << file.lineInput();
        shared::objetligne[line] = lines.back();
    }
    return lines;
}

int trapErrors(const std::function<void()>& steps) {
    try {
        steps();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}
