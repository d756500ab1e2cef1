#pragma once
// The spell and monster catalogues' folders, as "c:\sorts.ini" and "c:\monstres.ini" name
// them: the listings of their files into the editors' (and the combat window's) name lists,
// and the sheets' entries that take the folders into the windows they open.
#include <QString>
#include <span>

class FileListBox;
class QWidget;

// Lists the spells of the spell folder into the spell editor's name list, its text emptied.
// Ends silently where a failure stops it (folder file unreadable, folder gone).
void chargesorts();

// Lists the monsters of the monster folder into the monster editor's name list and the combat
// window's adversary list, the same names in the same order, both texts emptied; both file
// lists are left on the folder. Ends silently where a failure stops it.
void chargemonstres();

// A sheet's entry taking the monster folder: `list` (the combat's or the monster editor's file
// list) and the folder dialog are pointed at it, then chargemonstres() runs. When the folder
// file cannot be read or its folder used, the file is rewritten holding "c:\", with no
// message, and the rest is skipped: the next use lists the root of drive C.
void takeMonsterFolder(FileListBox& list);

// The same for the spell folder and the spell editor's file list. `withNames` (the hero
// sheet) also points the folder dialog there and lists the spells.
void takeSpellFolder(bool withNames);

// The folder dialog, and `list` when given, pointed at the folder that `folderFile` names; both
// are left as they were when it cannot be read or used.
void presetFolderDialog(const QString& folderFile, FileListBox* list = nullptr);

// An editor's folder menu: presetFolderDialog(), then the dialog opens over `opener`, to write
// that folder file (`choice` 1 monsters, 2 items, 3 spells).
void openFolderDialog(const QString& folderFile, FileListBox* list, int choice,
                      const QWidget& opener);

// Saves a spell or monster record under `name` + `extension`: the texts of `boxes`, one per
// line, in the folder that `folderFile` names, kept in `objetligne1`; the name is kept in
// `nomcourant`. A name that would lead out of the folder is refused with the editors' message,
// and the answer is false. A folder file that cannot be read, a folder gone or a write that
// fails raises its error. Either way nothing is written.
bool saveRecord(const QString& folderFile, const QString& name, const QString& extension,
                std::span<QWidget* const> boxes);
