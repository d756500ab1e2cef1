#include "common/money.h"

#include "common/runtimeerror.h"

#include <algorithm>
#include <cmath>

namespace money {

long long coinWeight(double gold, double silver, double bronze, double copper) {
    const double tenths = 10 * gold + 2 * silver + bronze + copper;
    if (!std::isfinite(tenths)) throw RuntimeError(6);
    // Counts are typed in: a purse too heavy to count weighs the most a count can hold.
    constexpr double heaviest = 0x1.0p62;
    return static_cast<long long>(std::clamp(std::floor(tenths / 10), -heaviest, heaviest));
}

Spent payWhole(double count, double unit, long long wanted) {
    if (wanted <= 0 || !(count >= unit)) return {count, 0};
    const double whole = std::floor(count / unit);
    const long long paid = whole < double(wanted) ? static_cast<long long>(whole) : wanted;
    return {count - unit * double(paid), paid};
}

std::optional<Broken> payBreaking(double smaller, long long wanted) {
    if (wanted <= 0) return Broken{0, smaller};
    if (smaller >= double(wanted)) return Broken{0, smaller - double(wanted)};
    const double missing = double(wanted) - smaller;
    if (!(missing <= largestWholeCount)) return std::nullopt;
    const double breaks = std::ceil(missing / 10);
    return Broken{static_cast<long long>(breaks), smaller + (10 * breaks - double(wanted))};
}

long long coinWeight(const Counts& counts) {
    return coinWeight(counts[Or], counts[Argent], counts[Bronze], counts[Cuivre]);
}

std::optional<Coin> coinOfUnit(QStringView unit) {
    if (unit == u"PC") return Cuivre;
    if (unit == u"PB") return Bronze;
    if (unit == u"PA") return Argent;
    if (unit == u"PO") return Or;
    return std::nullopt;
}

long long worth(const Coins& coins) {
    long long total = 0;
    for (int coin = Or; coin <= Cuivre; ++coin)
        total += coins[coin] * copperPerCoin[coin];
    return total;
}

Coins pay(Coins coins, long long copper) {
    // The cuivre due are paid from the copper coins, breaking bronze as needed; the bronze broken
    // are paid the same way one coin up, and so on to the gold.
    long long due = copper;
    for (int coin = Cuivre; coin > Or; --coin) {
        const Broken step = *payBreaking(double(coins[coin]), due);
        coins[coin] = static_cast<long long>(step.left);
        due = step.breaks;
    }
    coins[Or] -= due;
    return coins;
}

Coins payable(const Counts& counts) {
    Coins whole{};
    for (int coin = Or; coin <= Cuivre; ++coin)
        whole[coin] =
            counts[coin] >= 1
                ? static_cast<long long>(std::floor(std::min(counts[coin], largestWholeCount)))
                : 0;
    return whole;
}

std::optional<Counts> pay(const Counts& counts, long long copper) {
    const Coins before = payable(counts);
    if (copper < 0 || double(copper) > largestWholeCount || worth(before) < copper)
        return std::nullopt;
    const Coins after = pay(before, copper);
    Counts paid = counts;
    for (int coin = Or; coin <= Cuivre; ++coin)
        if (after[coin] != before[coin])
            paid[coin] = double(after[coin]) + (counts[coin] - double(before[coin]));
    return paid;
}

Counts add(const Counts& counts, const Coins& coins) {
    Counts sum = counts;
    for (int coin = Or; coin <= Cuivre; ++coin)
        if (coins[coin] != 0) sum[coin] += double(coins[coin]);
    return sum;
}

std::optional<long long> toCopper(double amount, Coin unit) {
    const double copper = std::nearbyint(amount * double(copperPerCoin[unit]));
    if (!(std::abs(copper) <= largestWholeCount)) return std::nullopt;
    return static_cast<long long>(copper);
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
