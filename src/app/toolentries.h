#pragma once
// The entries of every sheet's menu bar that reach outside the program.

// "Lanterne": starts lanterne.exe from the program's folder without waiting for it.
void runLanterne();
// "Aide": opens the program's help page in the desktop's browser; a page that cannot be shown
// is reported with its file.
void openHelpPage();
