#pragma once
#include <QString>

// The local folder the portrait dialog opens on: the current portrait's folder, else the
// heroes' folder, else drive C:. Both paths are in drive form; a folder that has gone, or a
// drive the program does not know, is passed over.
QString portraitFolder(const QString& portraitPath, const QString& heroesFolder);
