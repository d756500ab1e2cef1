#include "tools/shottable.h"

#include <cmath>

namespace shot {
namespace {

constexpr int sizeCount = 5;
constexpr int cellsPerGroup = 5 * sizeCount;

// Weapons with identical cells share a group. Each group is a block of 25 cells: one row per
// distance band, nearest first, one column per target size, smallest first.
// clang-format off
const char* const groups[][cellsPerGroup] = {
    // Poignard
    {"+4", "+2", "+1", "0",  "0",
     "+6", "+4", "+2", "+1", "0",
     "HP", "HP", "HP", "HP", "HP",
     "HP", "HP", "HP", "HP", "HP",
     "HP", "HP", "HP", "HP", "HP"},
    // Javelot, Fronde
    {"+4", "+2", "+1", "0",  "0",
     "+6", "+4", "+2", "+1", "0",
     "+8", "+6", "+4", "+2", "+1",
     "HP", "HP", "HP", "HP", "HP",
     "HP", "HP", "HP", "HP", "HP"},
    // Hache de jet, Sarbacane, Caillou
    {"+5", "+3", "+2", "0",  "0",
     "+7", "+5", "+3", "+2", "0",
     "+9", "+7", "+5", "+3", "+2",
     "HP", "HP", "HP", "HP", "HP",
     "HP", "HP", "HP", "HP", "HP"},
    // Arc, Boomerang
    {"+2", "+1", "0",  "0",  "0",
     "+4", "+2", "+1", "0",  "0",
     "+6", "+4", "+2", "+1", "0",
     "+8", "+6", "+4", "+2", "0",
     "HP", "HP", "HP", "HP", "HP"},
    // Grand Arc
    {"+2", "+1", "0",  "0",  "0",
     "+4", "+2", "+1", "0",  "0",
     "+6", "+4", "+2", "+1", "0",
     "+8", "+6", "+4", "+2", "+1",
     "+10", "+8", "+6", "+4", "+2"},
    // Arbalète
    {"+1", "0",  "0",  "0",  "0",
     "+2", "+1", "0",  "0",  "0",
     "+4", "+2", "+1", "0",  "0",
     "+6", "+4", "+2", "+1", "0",
     "+8", "+6", "+4", "+2", "+1"},
};
// clang-format on

struct Weapon {
    const char* name;
    int group;
};

// In the order the weapon list is filled.
const Weapon weaponTable[] = {
    {"Poignard", 0}, {"Javelot", 1}, {"Hache de jet", 2}, {"Arc", 3},       {"Grand Arc", 4},
    {"Arbalète", 5}, {"Fronde", 1},  {"Boomerang", 3},    {"Sarbacane", 2}, {"Caillou", 2},
};

template <std::size_t N> int indexOf(const std::array<QString, N>& list, const QString& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (list[i] == text) return static_cast<int>(i);
    return -1;
}

} // namespace

const std::array<QString, 10>& weapons() {
    static const std::array<QString, 10> names = [] {
        std::array<QString, 10> filled;
        for (std::size_t i = 0; i < filled.size(); ++i)
            filled[i] = QString::fromUtf8(weaponTable[i].name);
        return filled;
    }();
    return names;
}

const std::array<QString, 5>& distances() {
    static const std::array<QString, 5> bands = {
        QStringLiteral("Très proche (2-5m)"), QStringLiteral("Proche (6-10m)"),
        QStringLiteral("Moyen (11-20m)"), QStringLiteral("Loin (21-40m)"),
        QStringLiteral("Très loin (41-60m)")};
    return bands;
}

const std::array<QString, 5>& targets() {
    static const std::array<QString, 5> sizes = {
        QStringLiteral("Très petite (<0,5m)"), QStringLiteral("Petite (0,5-1m)"),
        QStringLiteral("Moyenne (1-2m)"), QStringLiteral("Grande (2-3m)"),
        QStringLiteral("Très grande (>3m)")};
    return sizes;
}

std::optional<QString> cell(const QString& weapon, const QString& distance, const QString& target) {
    const int w = indexOf(weapons(), weapon);
    const int d = indexOf(distances(), distance);
    const int t = indexOf(targets(), target);
    if (w < 0 || d < 0 || t < 0) return std::nullopt;
    return QString::fromLatin1(groups[weaponTable[w].group][d * sizeCount + t]);
}

double bonushab(double skill) {
    double bonus = 0;
    if (skill < 9)
        bonus = 9 - skill;
    else if (skill > 11)
        bonus = 11 - skill;
    return std::nearbyint(bonus);
}

bool shotSucceeds(int roll, double difficulty, double bonus, double adresse) {
    return roll + difficulty + bonus <= adresse;
}

} // namespace shot
