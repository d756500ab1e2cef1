#pragma once
// The saved heroes that `perso.nom` lists.
#include <QStringList>

// The names of the hero files (".af", any case) of a drive-form folder, without their
// extension, sorted as the program's lists are. Error 76 when the folder does not exist.
QStringList savedHeroes(const QString& folder);
