#include "herofile/herolist.h"

#include "common/filelists.h"

QStringList savedHeroes(const QString& folder) {
    QStringList names = matchingFiles(folder, QStringLiteral("*.af"));
    for (QString& name : names)
        name.chop(3);
    // Sorted again: without the extension "Arn" comes before "Arn le Brave".
    sortNames(names);
    return names;
}
