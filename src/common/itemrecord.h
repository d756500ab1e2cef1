#pragma once
// The item file of the catalogue: one item per file, named after the item with its kind's
// extension, one field per line in the kind's fixed order, the name first and the price and
// its unit last. Each kind's lines are described once here; the item editor builds its frames
// from this table and reads and writes the files through it.
#include "common/textfile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace itemrecord {

enum class BoxShape {
    Name, // an editable list of the kind's items
    Unit, // an editable list of the four coins
    Text, // one line
    Memo, // several lines shown, one line stored
};

// One line of an item file and the editor box it comes from.
struct Field {
    const char* name;    // the box's name after its kind's frame's: "nom", "at", "poids"...
    const char* label;   // the caption over it
    const char* tooltip; // nullptr: none
    BoxShape shape = BoxShape::Text;
    int maxLength = 0; // typing limit, 0 for none
    bool centred = false;
    int row = 0;                 // 0 the frame's first row, 1 its second (tall frames)
    const char* after = nullptr; // a caption standing right of the box
    // The shop's detail window ends the box's name so, when it differs ("prepa").
    const char* shopName = nullptr;
};

struct Kind {
    int number;         // 1 to 12, in the program's kind order
    const char* option; // the kind's option button: "arm" ... "liv"
    const char* optionCaption;
    const char* frameCaption;
    std::vector<Field> lines;  // line 1 is the name, the last two the price and the unit
    bool tall() const;         // a frame of two rows
    QString extension() const; // ".arm" ... ".liv"
    QString pattern() const;   // "*.arm" ... "*.liv"
    QString frame() const;     // the kind's frame: "farm" ... "fliv"
    // A box's name: its frame's, then the field's ("farmnom", "farmat"...).
    QString boxName(const Field& field) const;
    int lineCount() const { return static_cast<int>(lines.size()); }
    // The name of the box in the shop's detail window.
    QString shopBoxName(const Field& field) const;
    int priceLine() const { return lineCount() - 1; }
    int unitLine() const { return lineCount(); }
    QString shopOptionCaption() const;
    // The shop's option caption, when it differs.
    const char* shopCaption = nullptr;
};

// The twelve kinds, kinds()[0] being kind 1.
const std::array<Kind, 12>& kinds();
const Kind& kind(int number);

// The lines of an item file, each whole, the first `count` of them: fewer when the file is
// shorter. Raises the file's run-time error (53 when it does not exist).
QStringList read(const QString& drivePath, int count);

// Replaces an item file with `values`, one per line, CR LF after each, the last one included.
// A line break left in a value becomes a blank, so the file keeps its kind's line count.
// Atomic: a failed write raises its run-time error and leaves the old file whole.
void write(const QString& drivePath, const QStringList& values);

// The price units "PO", "PA", "PB", "PC" (or, argent, bronze, cuivre), in that order.
const QStringList& priceUnits();
// Whether a unit is exactly one of the four; case counts.
bool isPriceUnit(const QString& unit);

// A value with each line break (CR LF, CR or LF) turned into one blank.
QString oneLine(QString value);

// The readers of the sheets and the shop, from an opened item file: lines 1 to `count` whole
// into `objetligne1` onward; error 62 when the file ends before. The lines read before the end
// stay in the buffers.
QStringList readLines(TextInput& file, int count);

// One item's record, whole.
struct Record {
    int kind = 0;
    QStringList lines; // line N is lines[N - 1]

    QString line(int number) const { return lines.value(number - 1); }
    QString weight() const; // a plant weighs "0"; ammunition gives its batch
    QString price() const;
    QString unit() const;
};

// Reads the whole record of a kind from the start of its file; error 62 when the file holds
// fewer lines than the kind has.
Record readRecord(TextInput& file, int kind);

// Whether a price can be reckoned with: its text begins with a number (blanks, a sign and a
// decimal point allowed before the digits) small enough that no quantity, margin or coin
// conversion of the program turns it into infinity.
bool isPrice(const QString& text);

} // namespace itemrecord
