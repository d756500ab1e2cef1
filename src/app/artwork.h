#pragma once
#include <QPixmap>

// The program's own pictures, drawn at run time so that no image file has to ship.
namespace artwork {
QPixmap splash();
QPixmap emblem(int size);
} // namespace artwork
