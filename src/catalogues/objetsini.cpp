#include "catalogues/objetsini.h"

#include "common/runtimeerror.h"
#include "common/textfile.h"

QString readItemFolder() {
    TextInput file(QStringLiteral("c:\\objets.ini"));
    if (file.eof()) throw RuntimeError(76);
    const QString folder = file.lineInput();
    if (folder.trimmed().isEmpty()) throw RuntimeError(76);
    return folder;
}
