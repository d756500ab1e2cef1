#pragma once
// The four coins: 1 or = 10 argent = 100 bronze = 1000 cuivre. Pure rules of counting and
// paying, worked out at once whatever count a box holds: a typed count may be any number, and
// a rule that moved one coin at a time would take as many turns as the count is large. Counts
// are decimals (see Count): whole coins move, a count's fraction stays with it as written.
#include "common/coincount.h"

#include <QStringView>

#include <array>
#include <optional>

namespace money {

// A purse's four counts, or, argent, bronze, cuivre, as its boxes show them: a count typed on
// a sheet may hold a fraction or be below 0.
using Counts = std::array<Count, 4>;

// A purse of whole coins, or to cuivre, and what each coin is worth in cuivre.
using Coins = std::array<long long, 4>;
inline constexpr Coins copperPerCoin = {1000, 100, 10, 1};
enum Coin { Or, Argent, Bronze, Cuivre };

// The four boxes' texts as counts; none when one is beyond largestExactCount.
std::optional<Counts> read(QStringView gold, QStringView silver, QStringView bronze,
                           QStringView copper);

// The weight of a purse: a gold piece weighs 1, five silver 1, ten bronze or ten copper 1,
// rounded down once on the whole purse (1 or, 2 argent, 4 bronze and 2 cuivre weigh 2).
long long coinWeight(const Counts& counts);
// The same for four boxes' texts, whatever they hold: a purse too heavy to count to the coin
// weighs, within the most a count can hold, what its numbers weigh. Error 6 when a count is
// beyond any number.
long long coinWeight(QStringView gold, QStringView silver, QStringView bronze, QStringView copper);

// One coin paying a price counted in pieces worth `unit` of it (100 copper or 10 bronze for a
// silver piece): a piece at a time while the count still holds a whole unit. What it pays of
// `wanted` pieces, and the count left.
struct Spent {
    Count left;
    long long paid;
};
Spent payWhole(Count count, long long unit, long long wanted);

// Paying `wanted` pieces from `smaller`, breaking larger coins into ten of it one at a time,
// and only when it no longer holds a whole piece. The breaks needed (0 when `smaller` pays
// alone) and the count left, its fraction kept.
struct Broken {
    long long breaks;
    Count left;
};
Broken payBreaking(Count smaller, long long wanted);

// The coin a price unit names: "PO", "PA", "PB", "PC", exactly; none for any other text.
std::optional<Coin> coinOfUnit(QStringView unit);

// Pays `copper` cuivre, 0 to the coins' worth, from non-negative coins, as if one copper piece
// at a time: a larger coin is broken into ten of the next only when every smaller coin is
// spent, so the change stays in the smaller coins (1 cuivre from 1 or leaves 0, 9, 9, 9).
Coins pay(Coins coins, long long copper);

// The part of each count that can pay: its whole, non-negative part.
Coins payable(const Counts& counts);

// The counts' signed worth in cuivre, or × 1000 + argent × 100 + bronze × 10 + cuivre, debts
// and fractions included.
Count worth(const Counts& counts);

// Pays `copper` from typed counts. Only the payable part of each count pays; what is left of a
// count (a fraction, a debt written below 0) stays with it, so no coin is made or lost, and a
// count the payment leaves alone is given back as it was. None when the price is beyond
// largestExactCount, or when the signed worth or the payable part is worth less than it.
std::optional<Counts> pay(const Counts& counts, long long copper);

// Adds whole coins to typed counts. None when a sum is beyond largestExactCount.
std::optional<Counts> add(const Counts& counts, const Coins& coins);

// One step of the upward change: the whole tens of `lower` go up as coins of `upper`, the rest
// of `lower`, with its sign and its fraction, stays (-15 cuivre are -1 bronze and -5 cuivre).
// The new lower and upper counts; none when the upper count would be beyond largestExactCount.
struct Changed {
    Count lower, upper;
};
std::optional<Changed> changeUp(Count lower, Count upper);

// The cuivre that `units` units owe when `amount` in a coin's unit priced `priced` of them
// (`amount` × `units` / `priced`), rounded half to even: 2.5 PC is 2 cuivre, 0.25 PA is 25.
// None when no purse could pay it: the amount or the result in cuivre beyond
// largestExactCount, or `priced` not above 0. `units` is a quantity, 1 to 10000.
std::optional<long long> toCopper(Count amount, Coin unit, long long units = 1, Count priced = 1);

// The share of an agreed price of `total` cuivre that unit `unit` (1 to `units`) pays: the
// units pay equal whole shares and the first ones one cuivre more each until the shares sum to
// the total.
long long share(long long total, long long units, long long unit);

// What a sale of `copper` cuivre in the item's unit brings in whole coins: as many of the
// unit's coin as the amount holds, the rest in the smaller coins, largest first (1050 cuivre
// in argent are 10 argent and 5 bronze).
Coins credit(long long copper, Coin unit);

} // namespace money
