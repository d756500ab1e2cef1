#include "common/nameorder.h"

#include <QCollator>

bool nameBefore(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator french(QLocale(QLocale::French, QLocale::France));
        french.setCaseSensitivity(Qt::CaseInsensitive);
        return french;
    }();
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}
