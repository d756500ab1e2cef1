#pragma once
class QWidget;

namespace snake {
// The game's windows open in the middle of the screen, whichever window opened them.
void centreOnScreen(QWidget& window);
} // namespace snake
