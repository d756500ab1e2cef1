#pragma once
// The four coins: 1 or = 10 argent = 100 bronze = 1000 cuivre. Pure rules of counting and
// paying, worked out at once whatever count a box holds: a typed count may be any number, and
// a rule that moved one coin at a time would take as many turns as the count is large.

#include <QStringView>

#include <array>
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

// A purse's four counts, or, argent, bronze, cuivre, as its boxes hold them: a count typed on
// a sheet may hold a fraction or be below 0.
using Counts = std::array<double, 4>;
long long coinWeight(const Counts& counts);

// A purse of whole coins, or to cuivre, and what each coin is worth in cuivre.
using Coins = std::array<long long, 4>;
inline constexpr Coins copperPerCoin = {1000, 100, 10, 1};
enum Coin { Or, Argent, Bronze, Cuivre };

// The coin a price unit names: "PO", "PA", "PB", "PC", exactly; none for any other text.
std::optional<Coin> coinOfUnit(QStringView unit);

// The worth of whole coins in cuivre.
long long worth(const Coins& coins);

// Pays `copper` cuivre, 0 to the coins' worth and at most largestWholeCount, as if one copper
// piece at a time: a larger coin is broken into ten of the next only when every smaller coin is
// spent, so the change stays in the smaller coins (1 cuivre from 1 or leaves 0, 9, 9, 9).
Coins pay(Coins coins, long long copper);

// The part of each count that can pay: its whole, non-negative part, up to largestWholeCount
// (past it a double no longer holds single coins).
Coins payable(const Counts& counts);

// Pays `copper` from typed counts. Only the payable part of each count pays; what is left of a
// count (a fraction, a debt written below 0) stays with it, so no coin is made or lost, and a
// count the payment leaves alone is given back exactly as it was. None when the payable part
// is worth less than the price, or the price is beyond largestWholeCount.
std::optional<Counts> pay(const Counts& counts, long long copper);

// Adds whole coins to typed counts.
Counts add(const Counts& counts, const Coins& coins);

// An amount in a coin's unit as whole cuivre, rounded half to even (2.5 PC is 2 cuivre, 0.25
// PA is 25). None when it is not a number or beyond largestWholeCount: no purse pays it.
std::optional<long long> toCopper(double amount, Coin unit);

// The share of an agreed price of `total` cuivre that unit `unit` (1 to `units`) pays: the
// units pay equal whole shares and the first ones one cuivre more each until the shares sum to
// the total.
long long share(long long total, long long units, long long unit);

// What a sale of `copper` cuivre in the item's unit brings in whole coins: as many of the
// unit's coin as the amount holds, the rest in the smaller coins, largest first (1050 cuivre
// in argent are 10 argent and 5 bronze).
Coins credit(long long copper, Coin unit);

} // namespace money
