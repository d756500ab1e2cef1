#pragma once
// The ranged shot's rules, apart from its window: the difficulty table looked up by the exact
// texts of the three lists, and the skill modifier of " Combat à distance".
#include <QString>
#include <array>
#include <optional>

namespace shot {

// The lists' texts in the order they are filled.
const std::array<QString, 10>& weapons();
const std::array<QString, 5>& distances();
const std::array<QString, 5>& targets();

// The difficulty for that weapon, distance band and target size: "0", "+1" to "+10", or "HP"
// for a target out of range. Any text that is not one of the lists' gives no cell.
std::optional<QString> cell(const QString& weapon, const QString& distance, const QString& target);

// The skill modifier of a " Combat à distance" value v: 9 - v below 9, 11 - v above 11, 0 from
// 9 to 11, rounded half to even.
double bonushab(double skill);

// No automatic outcome: a 1 may miss and a 20 may hit.
bool shotSucceeds(int roll, double difficulty, double bonus, double adresse);

} // namespace shot
