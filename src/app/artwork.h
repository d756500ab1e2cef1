#pragma once
#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn at run time so that no image file has to ship.
namespace artwork {
QPixmap splash();
QPixmap emblem(int size);
// The splash's emblem as the windows' icon, drawn at every size a task bar asks for.
QIcon icon();
} // namespace artwork
