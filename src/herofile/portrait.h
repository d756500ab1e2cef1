#pragma once
// The hero's portrait: `perso.portrait` shows the picture and keeps its path, in drive form, as
// the hero file stores it. The path lives with the window, so a fresh hero sheet has none.
#include <QString>

QString portraitPath();

// Keeps the path and shows its picture; a picture that cannot be read shows nothing but its
// path is kept, so saving the hero again does not lose it.
void setPortraitPath(const QString& drivePath);
