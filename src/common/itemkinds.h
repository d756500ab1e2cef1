#pragma once
// The twelve item kinds, always in this order, numbered 1 to 12 like the program counts them.
#include <QString>
#include <array>

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

} // namespace itemkinds
