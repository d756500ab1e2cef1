#pragma once
// The items folder file "c:\objets.ini": one line, the folder of the item catalogue.
#include <QString>

// Its line, read whole so that a comma in the folder's name is kept. Raises the file's
// run-time error; an empty file or an empty line is error 76, since it names no folder.
QString readItemFolder();
