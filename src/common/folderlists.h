#pragma once
// The drive list, folder list and label that every folder dialog shows together.
#include <QString>

class DriveListBox;
class DirListBox;
class Label;

// The chosen folder as a dialog writes it: the folder list's path followed by "\", or a
// drive root ("C:\") alone.
QString folderLine(const QString& listPath);

// Keeps the three in step. A drive the user picks opens at its root; a drive that cannot be
// read is reported and the drive list goes back to the drive of the folder still shown. Every
// folder the folder list goes to is shown in the label.
void linkFolderLists(DriveListBox& drive, DirListBox& dir, Label& label);
