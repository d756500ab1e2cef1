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

// The largest count held to the coin: every whole number up to it has a number of its own,
// past it 2^53 + 1 reads as 2^53. A purse holding a count beyond it, either side of zero,
// pays and takes nothing.
inline constexpr double largestExactCount = 9007199254740992.0; // 2^53

// Whether a count is held to the coin: within largestExactCount either side of zero.
bool countable(double count);

// a + b when the sum is held exactly and countable: none when the sum would be rounded, which
// would make or lose part of a coin.
std::optional<double> exactSum(double a, double b);

// One coin paying a price counted in pieces worth `unit` of it (100 copper or 10 bronze for a
// silver piece): a piece at a time while the count still holds a whole unit. What it pays of
// `wanted` pieces, and the count left. The count is countable.
struct Spent {
    double left;
    long long paid;
};
Spent payWhole(double count, long long unit, long long wanted);

// Paying `wanted` pieces from `smaller`, breaking larger coins into ten of it one at a time,
// and only when it no longer holds a whole piece. The breaks needed (0 when `smaller` pays
// alone) and the count left, its fraction kept. None when that count cannot be held exactly.
// `smaller` is countable.
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

// Pays `copper` cuivre, 0 to the coins' worth, from non-negative countable coins, as if one
// copper piece at a time: a larger coin is broken into ten of the next only when every smaller
// coin is spent, so the change stays in the smaller coins (1 cuivre from 1 or leaves 0, 9, 9, 9).
Coins pay(Coins coins, long long copper);

// The part of each countable count that can pay: its whole, non-negative part.
Coins payable(const Counts& counts);

// Whether the counts' signed worth, or × 1000 + argent × 100 + bronze × 10 + cuivre, debts
// and fractions included, is at least `copper`. The counts are countable.
bool covers(const Counts& counts, long long copper);

// Pays `copper` from typed counts. Only the payable part of each count pays; what is left of a
// count (a fraction, a debt written below 0) stays with it, so no coin is made or lost, and a
// count the payment leaves alone is given back exactly as it was. None when a count or the
// price is not countable, when the signed worth or the payable part is worth less than the
// price, or when a count paid cannot be held exactly.
std::optional<Counts> pay(const Counts& counts, long long copper);

// Adds whole coins to typed counts. None when a count is not countable or a sum cannot be held
// exactly.
std::optional<Counts> add(const Counts& counts, const Coins& coins);

// One step of the upward change: the whole tens of `lower` go up as coins of `upper`, the rest
// of `lower`, with its sign and its fraction, stays (-15 cuivre are -1 bronze and -5 cuivre).
// The new lower and upper counts; none when a count is not countable or the upper count cannot
// take the tens exactly.
struct Changed {
    double lower, upper;
};
std::optional<Changed> changeUp(double lower, double upper);

// An amount in a coin's unit as whole cuivre, rounded half to even (2.5 PC is 2 cuivre, 0.25
// PA is 25). None when it is not a number or not countable: no purse pays it.
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
