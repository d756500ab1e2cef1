#include "common/dialogplace.h"

#include <QWidget>

void showCentredOn(QWidget& dialog, const QWidget& opener) {
    dialog.show();
    // Its frame is known once it is shown.
    dialog.move(opener.frameGeometry().center() -
                QPoint(dialog.frameGeometry().width() / 2, dialog.frameGeometry().height() / 2));
}
