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

// The window's own contents, inside the scroll area that fitOrScroll() may have added. Code
// that reaches a window's contents goes through here, never through its central widget.
QWidget* contents(const QMainWindow& window);

// After a shown window's contents changed what they show (a taller or a shorter frame): the
// window keeps its width and takes the height they now ask for, as far as its screen has room,
// scrolling the rest; standing whole on its screen, it stays so.
void refit(QMainWindow& window);

// A window's borders are known only once it shows, the first window's included: one that then
// turns out larger than its screen is fitted again within them and moved whole onto it. A
// window that could stand whole on the screen is left where it was put.
void keepWhole(QMainWindow& window);

} // namespace screenfit
