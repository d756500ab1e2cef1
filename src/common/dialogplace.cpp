#include "common/dialogplace.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void showCentredOn(QWidget& dialog, const QWidget& opener) {
    dialog.show();
    // Its frame is known once it is shown. An opener near an edge of the screen would push a
    // wider dialog past it: the dialog stays whole on the opener's screen.
    const QSize frame = dialog.frameGeometry().size();
    const QPoint centred =
        opener.frameGeometry().center() - QPoint(frame.width(), frame.height()) / 2;
    const QRect area = opener.screen()->availableGeometry();
    dialog.move(std::clamp(centred.x(), area.left(),
                           std::max(area.left(), area.right() + 1 - frame.width())),
                std::clamp(centred.y(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - frame.height())));
}
