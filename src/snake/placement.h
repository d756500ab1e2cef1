#pragma once
class QWidget;

namespace snake {
// The game's windows carry the program's icon and open in the middle of the screen, whichever
// window opened them.
void placeWindow(QWidget& window);
} // namespace snake
