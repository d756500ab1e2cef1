#pragma once
// Every window fits the screen it opens on, a 1366x768 laptop's with its panel included: a
// window too big for the room first loses spacing, then row height, and only as a last resort
// lets its contents scroll. Nothing is ever cut off.
#include <QMargins>
#include <QSize>
#include <QString>

class QMainWindow;
class QWidget;

namespace screenfit {

// What the window system adds around a window: the borders, and at the top at least a title
// bar, whose height is only known once some window has been framed.
QMargins frameAllowance(const QWidget& window);

// The width a window needs for its whole caption in its title bar, with the bar's icon and
// buttons.
int captionWidth(const QString& caption);

// Brings `window`'s inner size within `room`, tightening what it must; false when even the
// tightest layout is too big for it (the window is then left tightened at its natural size).
bool fit(QMainWindow& window, QSize room);

// As fit(), and when that is not enough the window's contents scroll inside it.
void fitOrScroll(QMainWindow& window, QSize room);

// The window's own contents, inside the scroll area that fitOrScroll() may have added.
QWidget* contents(const QMainWindow& window);

} // namespace screenfit
