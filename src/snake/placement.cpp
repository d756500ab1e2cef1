#include "snake/placement.h"


#include <QScreen>
#include <QWidget>

namespace snake {

void placeWindow(QWidget& window) {
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(window.screen()->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace snake
