#pragma once
// The four coins: 1 or = 10 argent = 100 bronze = 1000 cuivre.

namespace money {

// The weight of a purse: a gold piece weighs 1, five silver 1, ten bronze or ten copper 1,
// rounded down once on the whole purse. Counted in tenths so that 1 or, 2 argent, 4 bronze and
// 2 cuivre weigh 2 (binary fractions would give 1.9999...). Error 6 when a count is beyond
// any number.
long long coinWeight(double gold, double silver, double bronze, double copper);

} // namespace money
