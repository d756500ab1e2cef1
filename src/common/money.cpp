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
    // `due` pieces of one coin are paid from that coin first; what they miss is paid by as many
    // of the next larger coin as make it up (by the same rule, one level up), and the change of
    // the last one broken stays here.
    long long due = copper;
    for (int coin = Cuivre; coin > Or; --coin) {
        if (due <= coins[coin]) {
            coins[coin] -= due;
            return coins;
        }
        const long long missing = due - coins[coin];
        due = (missing + 9) / 10;
        coins[coin] = due * 10 - missing;
    }
    coins[Or] -= due;
    return coins;
}

Coins payable(const Counts& counts) {
    Coins whole{};
    for (int coin = Or; coin <= Cuivre; ++coin)
        whole[coin] = counts[coin] >= 1 ? static_cast<long long>(std::floor(
                                              std::min(counts[coin], double(wholeCountLimit))))
                                        : 0;
    return whole;
}

std::optional<Counts> pay(const Counts& counts, long long copper) {
    const Coins before = payable(counts);
    if (copper < 0 || worth(before) < copper) return std::nullopt;
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
    // Far beyond any purse's worth, yet a count: such a price is never paid.
    constexpr double largest = 0x1.0p62;
    if (!(std::abs(copper) < largest)) return std::nullopt;
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
