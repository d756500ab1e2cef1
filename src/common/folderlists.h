#pragma once
// The drive list, folder list and label that every folder dialog shows together.
#include <QString>

class DriveListBox;
class DirListBox;
class Label;

// A folder as a dialog shows and writes it: ending with one "\" whatever separators it ended
// with, a drive root as "C:\".
QString folderLine(const QString& folder);

// Keeps the three in step. A drive the user picks opens at its root; a drive that cannot be
// read is reported and the drive list goes back to the drive of the folder still shown. Every
// folder the folder list goes to is shown in the label.
void linkFolderLists(DriveListBox& drive, DirListBox& dir, Label& label);
