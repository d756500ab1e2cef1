#include "common/fitwidth.h"

#include <QLineEdit>
#include <QPushButton>

void fitToDigits(QLineEdit* box, int digits) {
    const QFontMetrics metrics = box->fontMetrics();
    // One line height more leaves room for the frame and the inner margins.
    box->setFixedWidth(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) +
                       metrics.height());
}

void fitToCaption(QPushButton* button) {
    const QFontMetrics metrics = button->fontMetrics();
    button->setFixedWidth(metrics.horizontalAdvance(button->text()) + 2 * metrics.height());
}
