#include "common/money.h"

#include "common/runtimeerror.h"
#include "common/textnum.h"

#include <algorithm>
#include <cmath>

namespace money {
namespace {

// The larger coins to break, ten smaller ones each, for `whole` smaller coins to pay `wanted`.
long long breaksFor(long long whole, long long wanted) {
    const long long missing = wanted - whole;
    return missing > 0 ? (missing + 9) / 10 : 0;
}

Counts countsOf(const Coins& coins) {
    return {coins[Or], coins[Argent], coins[Bronze], coins[Cuivre]};
}

} // namespace

std::optional<Counts> read(QStringView gold, QStringView silver, QStringView bronze,
                           QStringView copper) {
    Counts counts;
    const QStringView texts[] = {gold, silver, bronze, copper};
    for (int coin = Or; coin <= Cuivre; ++coin) {
        const std::optional<Count> count = Count::read(texts[coin]);
        if (!count) return std::nullopt;
        counts[coin] = *count;
    }
    return counts;
}

long long coinWeight(const Counts& counts) {
    return (counts[Or] * 10 + counts[Argent] * 2 + counts[Bronze] + counts[Cuivre]).floor(10);
}

long long coinWeight(QStringView gold, QStringView silver, QStringView bronze, QStringView copper) {
    if (const std::optional<Counts> counts = read(gold, silver, bronze, copper))
        return coinWeight(*counts);
    const double tenths = 10 * textnum::val(gold) + 2 * textnum::val(silver) +
                          textnum::val(bronze) + textnum::val(copper);
    if (!std::isfinite(tenths)) throw RuntimeError(6);
    constexpr double heaviest = 0x1.0p62;
    return static_cast<long long>(std::clamp(std::floor(tenths / 10), -heaviest, heaviest));
}

Spent payWhole(Count count, long long unit, long long wanted) {
    if (wanted <= 0 || count < unit) return {count, 0};
    const long long paid = std::min(count.whole() / unit, wanted);
    return {count - unit * paid, paid};
}

Broken payBreaking(Count smaller, long long wanted) {
    if (wanted <= 0) return {0, smaller};
    // Whole coins pay, and the coins broken fill what they lack; the fraction below a coin
    // stays as it is.
    const long long breaks = breaksFor(smaller.floor(), wanted);
    return {breaks, smaller + (10 * breaks - wanted)};
}

std::optional<Coin> coinOfUnit(QStringView unit) {
    if (unit == u"PC") return Cuivre;
    if (unit == u"PB") return Bronze;
    if (unit == u"PA") return Argent;
    if (unit == u"PO") return Or;
    return std::nullopt;
}

Coins pay(Coins coins, long long copper) {
    // The cuivre due are paid from the copper coins, breaking bronze as needed; the bronze broken
    // are paid the same way one coin up, and so on to the gold.
    long long due = copper;
    for (int coin = Cuivre; coin > Or; --coin) {
        const long long breaks = breaksFor(coins[coin], due);
        coins[coin] += 10 * breaks - due;
        due = breaks;
    }
    coins[Or] -= due;
    return coins;
}

Coins payable(const Counts& counts) {
    Coins whole{};
    for (int coin = Or; coin <= Cuivre; ++coin)
        whole[coin] = counts[coin] >= 1 ? counts[coin].whole() : 0;
    return whole;
}

Count worth(const Counts& counts) {
    Count copper;
    for (int coin = Or; coin <= Cuivre; ++coin)
        copper = copper + counts[coin] * copperPerCoin[coin];
    return copper;
}

std::optional<Counts> pay(const Counts& counts, long long copper) {
    if (copper < 0 || copper > largestExactCount) return std::nullopt;
    const Coins before = payable(counts);
    // A debt counts against the price, though only whole coins in hand pay it.
    if (worth(counts) < copper || worth(countsOf(before)) < copper) return std::nullopt;
    const Coins after = pay(before, copper);
    Counts paid = counts;
    for (int coin = Or; coin <= Cuivre; ++coin)
        paid[coin] = counts[coin] + (after[coin] - before[coin]);
    return paid;
}

std::optional<Counts> add(const Counts& counts, const Coins& coins) {
    Counts sum = counts;
    for (int coin = Or; coin <= Cuivre; ++coin) {
        sum[coin] = counts[coin] + coins[coin];
        if (!sum[coin].countable()) return std::nullopt;
    }
    return sum;
}

std::optional<Changed> changeUp(Count lower, Count upper) {
    // Toward zero, so that the rest keeps the count's sign.
    const long long tens = lower.whole() / 10;
    const Count raised = upper + tens;
    if (!raised.countable()) return std::nullopt;
    return Changed{lower - tens * 10, raised};
}

std::optional<long long> toCopper(Count amount, Coin unit, long long units, Count priced) {
    const Count copper = amount * copperPerCoin[unit];
    if (!copper.countable()) return std::nullopt;
    return wholeRatio(copper * units, priced);
}

long long share(long long total, long long units, long long unit) {
    return total / units + (unit <= total % units ? 1 : 0);
}

Coins credit(long long copper, Coin unit) {
    Coins coins{};
    for (int coin = unit; coin <= Cuivre; ++coin) {
        coins[coin] = copper / copperPerCoin[coin];
        copper %= copperPerCoin[coin];
    }
    return coins;
}

} // namespace money
