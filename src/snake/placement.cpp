#include "snake/placement.h"

#include "app/artwork.h"

#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace snake {

void placeWindow(QWidget& window) {
    window.setWindowIcon(QIcon(artwork::emblem(64)));
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(window.screen()->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace snake
