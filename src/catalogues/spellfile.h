#pragma once
// The spell file: one spell per file, named after the spell with ".sor", twelve lines, one
// field per line in a fixed order, the name first. Its lines are described once here; the
// spell editor builds its boxes from this table and reads and writes the files through it.
#include <QString>
#include <QStringList>
#include <array>

namespace spellfile {

inline constexpr int lineCount = 12;
inline const QString extension = QStringLiteral(".sor");
inline const QString pattern = QStringLiteral("*.sor");

enum class BoxShape {
    List, // an editable list
    Text, // one line
    Memo, // several lines shown, one line stored
};

// One line of a spell file, the box it comes from and the label over it.
struct Field {
    const char* box;
    BoxShape shape;
    const char* labelName; // nullptr: the box has no label of its own
    const char* label;
};

// Lines 1 to 12, fields()[0] being line 1.
const std::array<Field, lineCount>& fields();

// The classes the class list offers, in its order.
const QStringList& classes();

// The priest's class, which alone has a deity and the miracle's lines.
inline const QString pretre = QStringLiteral("Prêtre");

// Whether the filter lists a spell whose line 3 (its class) and line 4 (its deity) are given,
// for the class and deity chosen. Comparisons are exact: case and accents count.
//  - "Magicien" takes the spells of magicians and of elves;
//  - a priest without a deity takes every priest spell, with one the spells of that deity and
//    those of none;
//  - any other class, the empty one included, takes the spells of that very class.
bool listed(const QString& classe, const QString& dieu, const QString& line3, const QString& line4);

} // namespace spellfile
