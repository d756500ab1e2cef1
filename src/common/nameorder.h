#pragma once
// The one alphabetical order of names the program shows: as a French reader expects ("Épée"
// beside "Epieu", not after "Z"), case ignored; names that differ only by case keep a fixed
// order.
#include <QString>
#include <QStringList>

bool nameBefore(const QString& a, const QString& b);

// Many names at once, in the same order: each name's collation key is worked out once and
// kept, so that lists of ten thousand items sort and merge at the speed of a plain copy.

// Sorts names in that order.
void sortNames(QStringList& names);

// `existing` and `incoming` each in name order: the two merged as if each incoming name were
// inserted after every name it does not come before. `tracked`, an index into `existing`
// (or -1), becomes that entry's index in the result.
QStringList mergeNames(const QStringList& existing, const QStringList& incoming, int& tracked);
