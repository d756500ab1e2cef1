#include "common/listing.h"

#include "common/filelists.h"
#include "common/shared.h"

QStringList listedNames(const FileListBox& lister) {
    QStringList names;
    const long long count = lister.listCount();
    for (shared::compteur = 0; shared::compteur < count; ++shared::compteur) {
        const QString fileName = lister.list(static_cast<int>(shared::compteur));
        shared::longnom = fileName.size();
        names << (shared::longnom < 4 ? fileName : fileName.left(shared::longnom - 4));
    }
    return names;
}
