#include "hero/portraitfolder.h"

#include "common/drivepath.h"
#include "common/runtimeerror.h"

#include <QFileInfo>
#include <algorithm>

namespace {

QString existingFolder(const QString& drivePath) {
    try {
        const QString local = drivepath::toLocal(drivePath);
        return QFileInfo(local).isDir() ? local : QString();
    } catch (const RuntimeError&) {
        return {};
    }
}

} // namespace

QString portraitFolder(const QString& portraitPath, const QString& heroesFolder) {
    // The picture's folder: everything up to its last separator.
    const qsizetype cut = std::max(portraitPath.lastIndexOf(u'\\'), portraitPath.lastIndexOf(u'/'));
    if (cut >= 0) {
        const QString folder = existingFolder(portraitPath.left(cut + 1));
        if (!folder.isEmpty()) return folder;
    }
    const QString heroes = existingFolder(heroesFolder);
    return heroes.isEmpty() ? drivepath::driveCRoot() : heroes;
}
