#pragma once
// The loop every catalogue listing runs over a file list.
#include <QStringList>

class FileListBox;

// The names `lister` lists, in its order, each less its last four characters (the dot and the
// three-letter extension); a name shorter than that is given whole. The loop keeps its index
// in `compteur` and the length of the name in `longnom`.
QStringList listedNames(const FileListBox& lister);
