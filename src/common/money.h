#pragma once
// The four coins: 1 or = 10 argent = 100 bronze = 1000 cuivre. Pure rules of counting and
// paying, worked out at once whatever count a box holds: a typed count may be any number, and
// a rule that moved one coin at a time would take as many turns as the count is large.

#include <optional>

namespace money {

// The weight of a purse: a gold piece weighs 1, five silver 1, ten bronze or ten copper 1,
// rounded down once on the whole purse. Counted in tenths so that 1 or, 2 argent, 4 bronze and
// 2 cuivre weigh 2 (binary fractions would give 1.9999...). Error 6 when a count is beyond
// any number.
long long coinWeight(double gold, double silver, double bronze, double copper);

// The largest count a box holds to the coin with room to spare: a little further, adding ten
// gives back the same count.
inline constexpr double largestWholeCount = 4503599627370496.0; // 2^52

// One coin paying a price counted in pieces worth `unit` of it (100 copper or 10 bronze for a
// silver piece): a piece at a time while the count still holds a whole unit. What it pays of
// `wanted` pieces, and the count left.
struct Spent {
    double left;
    long long paid;
};
Spent payWhole(double count, double unit, long long wanted);

// Paying `wanted` pieces from `smaller`, breaking larger coins into ten of it one at a time,
// and only when it no longer holds a whole piece. The breaks needed (0 when `smaller` pays
// alone) and the count left. None when `smaller` lies too far below zero to be filled ten at
// a time to the coin.
struct Broken {
    long long breaks;
    double left;
};
std::optional<Broken> payBreaking(double smaller, long long wanted);

} // namespace money
