#pragma once
// The catalogue folder files "c:\objets.ini", "c:\sorts.ini" and "c:\monstres.ini": each holds
// one line, the folder of its catalogue in drive form, ending with "\" ("C:\" for a root).
// Every reader and writer of the three goes through here.
#include <QString>

namespace folderfile {

inline const QString objets = QStringLiteral("c:\\objets.ini");
inline const QString sorts = QStringLiteral("c:\\sorts.ini");
inline const QString monstres = QStringLiteral("c:\\monstres.ini");

// The folder file's first line, whole: a comma or a quote in a folder's name is kept. Raises
// the file's run-time error; an empty file or a blank line is error 76, since it names no
// folder (neither the working folder nor "/").
QString read(const QString& folderFile);

// Replaces the folder file with the one line `folder`, as it stands, in Windows-1252 with
// CR LF. Atomic: a failed write raises 75 or 76 and leaves the old file whole.
void write(const QString& folderFile, const QString& folder);

// A record file inside a catalogue folder: the folder and the file name joined by one
// separator, so that a folder line edited by hand without its trailing "\" still holds it.
QString recordPath(const QString& folder, const QString& fileName);

// Whether a record's name cannot name a file of its folder: it holds \ / : * ? " < > |, the
// separators among them, so that it never leads out of the folder; or it begins with ".", as
// "." and ".." do, and a hidden file, which no list shows. "Fiole... vide" is a good name.
// The editors refuse it before opening anything.
bool forbiddenName(const QString& name);

// The editors' refusal of such a name: "Utilisation d'un caractère interdit !".
void caractereInterdit();

} // namespace folderfile
