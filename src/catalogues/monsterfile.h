#pragma once
// The monster file: one monster or character per file, named after it with ".pnj", eighteen
// lines, one field per line in a fixed order, the name first. The monster editor builds its
// boxes from this table and reads and writes the files through it; the combat window reads
// lines 1 to 15 of the same files for its adversary.
#include <QString>
#include <array>

namespace monsterfile {

inline constexpr int lineCount = 18;
inline const QString extension = QStringLiteral(".pnj");
inline const QString pattern = QStringLiteral("*.pnj");

enum class BoxShape {
    Name,  // the editable list of the folder's monsters
    Short, // one centred line, a few characters typed at most
    Memo,  // free text: several lines shown, one line stored
};

struct Field {
    const char* box;
    BoxShape shape;
    const char* label;
    int maxLength = 0; // typing limit of a short box
};

// Lines 1 to 18, fields()[0] being line 1. The label of line 15 stands between the two damage
// boxes.
const std::array<Field, lineCount>& fields();

} // namespace monsterfile
