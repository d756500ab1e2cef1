#include "common/folderfile.h"

#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/textfile.h"

namespace folderfile {

QString read(const QString& folderFile) {
    TextInput file(folderFile);
    if (file.eof()) throw RuntimeError(76);
    const QString folder = file.lineInput();
    if (folder.trimmed().isEmpty()) throw RuntimeError(76);
    return folder;
}

void write(const QString& folderFile, const QString& folder) {
    TextOutput file(folderFile);
    file.printLine(folder);
    file.commit();
}

QString recordPath(const QString& folder, const QString& fileName) {
    const bool separated = folder.endsWith(u'\\') || folder.endsWith(u'/');
    return separated ? folder + fileName : folder + u'\\' + fileName;
}

bool forbiddenName(const QString& name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name)
        if (forbidden.contains(c)) return true;
    return name.startsWith(u'.');
}

void caractereInterdit() {
    msgBox(QStringLiteral("Utilisation d'un caractère interdit !"), MsgIcon::Exclamation,
           QString());
}

} // namespace folderfile
