#pragma once
// The twelve item kinds, always in this order, numbered 1 to 12 like the program counts them.
#include <QString>
#include <array>
#include <vector>

namespace itemkinds {

inline constexpr int count = 12;

// extension[k] is the file extension of kind k: 1 melee weapons ".arm" ... 12 books ".liv".
inline const std::array<QString, count + 1> extension = {
    QString(),           QStringLiteral(".arm"), QStringLiteral(".ard"), QStringLiteral(".mun"),
    QStringLiteral(".pro"), QStringLiteral(".hab"), QStringLiteral(".prv"), QStringLiteral(".pla"),
    QStringLiteral(".pot"), QStringLiteral(".poi"), QStringLiteral(".equ"), QStringLiteral(".bij"),
    QStringLiteral(".liv")};

// The line of a kind's item file that holds the weight; 0 for plants, which have none and
// weigh nothing. Ammunition's line is the weight of the whole batch of its file.
inline int weightLine(int kind) {
    static constexpr std::array<int, count + 1> lines = {0, 7, 5, 2, 4, 2, 2, 0, 6, 6, 2, 3, 3};
    return lines.at(kind);
}

// How many lines a kind's item file holds; its price and its price unit are the last two.
inline int lineCount(int kind) {
    static constexpr std::array<int, count + 1> lines = {0, 9, 7, 5, 6, 4, 4, 8, 8, 8, 4, 5, 5};
    return lines.at(kind);
}
inline int priceLine(int kind) { return lineCount(kind) - 1; }
inline int unitLine(int kind) { return lineCount(kind); }

// The pattern that lists a kind's files: "*.arm" ... "*.liv".
inline QString pattern(int kind) { return u'*' + extension.at(kind); }

// The shop's kind options: their names ("arm" ... "liv") and captions.
inline const std::array<QString, count + 1> option = {
    QString(),           QStringLiteral("arm"), QStringLiteral("ard"), QStringLiteral("mun"),
    QStringLiteral("pro"), QStringLiteral("hab"), QStringLiteral("prv"), QStringLiteral("pla"),
    QStringLiteral("pot"), QStringLiteral("poi"), QStringLiteral("equ"), QStringLiteral("bij"),
    QStringLiteral("liv")};
extern const std::array<QString, count + 1> optionCaption;

// The kind whose pattern this is, 0 for none.
int kindOfPattern(const QString& pattern);

// One box of a kind's frame in the shop's detail window: its name, the label over it (with
// its tooltip) and the line of the item file it shows. A box of line 0 is only a label
// standing in the row, like the "D6+" between a weapon's two impact boxes.
struct DetailField {
    enum class Look { Figure, Text, Long }; // a short centred box, a line, several lines
    QString name;
    QString label;
    QString tooltip;
    int line = 0;
    Look look = Look::Figure;
    int row = 0; // 0, or 1 for the second row of the tall frames
};

struct DetailFrame {
    QString name; // "farm" ... "fliv"
    QString caption;
    bool twoRows = false;
    std::vector<DetailField> fields; // in the order they stand on screen
};

// The frame of kind k in the detail window.
const DetailFrame& detailFrame(int kind);

} // namespace itemkinds
