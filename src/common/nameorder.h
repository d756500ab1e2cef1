#pragma once
// The one alphabetical order of names the program shows: as a French reader expects ("Épée"
// beside "Epieu", not after "Z"), case ignored; names that differ only by case keep a fixed
// order.
#include <QString>

bool nameBefore(const QString& a, const QString& b);
