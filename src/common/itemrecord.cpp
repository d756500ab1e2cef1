#include "common/itemrecord.h"

#include "common/itemkinds.h"
#include "common/shared.h"
#include "common/textnum.h"

#include <QRegularExpression>
#include <cmath>

namespace itemrecord {

QStringList readLines(TextInput& file, int count) {
    QStringList lines;
    for (int line = 1; line <= count; ++line) {
        lines << file.lineInput();
        shared::objetligne[line] = lines.back();
    }
    return lines;
}

QString Record::weight() const {
    const int at = itemkinds::weightLine(kind);
    return at == 0 ? QStringLiteral("0") : line(at);
}

QString Record::price() const { return line(itemkinds::priceLine(kind)); }

QString Record::unit() const { return line(itemkinds::unitLine(kind)); }

Record read(TextInput& file, int kind) {
    return Record{kind, readLines(file, itemkinds::lineCount(kind))};
}

bool isPrice(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[ \\t]*[+-]?([0-9]|\\.[0-9])"));
    // Far beyond any coin, yet far below the largest double: a four-digit quantity, a margin
    // and a thousand coppers to the gold piece all stay finite.
    constexpr double largest = 1e290;
    return number.match(text).hasMatch() && std::abs(textnum::val(text)) < largest;
}

bool isCoinUnit(const QString& unit) {
    return unit == u"PC" || unit == u"PB" || unit == u"PA" || unit == u"PO";
}

} // namespace itemrecord
