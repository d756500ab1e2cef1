#pragma once
// An item file's record, read by whole lines: field N on line N, so that a comma or a quote in
// a name, a description or a weight shifts nothing.
#include "common/textfile.h"

#include <QStringList>

namespace itemrecord {

// Reads lines 1 to `count` whole into `objetligne1` onward and answers them; error 62 when the
// file ends before. The lines read before the end stay in the buffers.
QStringList readLines(TextInput& file, int count);

struct Record {
    int kind = 0;
    QStringList lines; // line N is lines[N - 1]

    QString line(int number) const { return lines.value(number - 1); }
    QString name() const { return line(1); }
    QString weight() const; // a plant weighs "0"; ammunition gives its batch
    QString price() const;
    QString unit() const;
};

// Reads the whole record of a kind from the start of its file; error 62 when the file holds
// fewer lines than the kind has.
Record read(TextInput& file, int kind);

// Whether a price can be reckoned with: its text begins with a number (blanks, a sign and a
// decimal point allowed before the digits) small enough that no quantity, margin or coin
// conversion of the program turns it into infinity.
bool isPrice(const QString& text);

// The four price units a coin can pay: "PC", "PB", "PA", "PO", exactly.
bool isCoinUnit(const QString& unit);

} // namespace itemrecord
