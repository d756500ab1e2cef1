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

bool countable(double count) {
    return std::abs(count) <= largestExactCount;
}

std::optional<double> exactSum(double a, double b) {
    const double sum = a + b;
    // What rounding took from the sum, itself a number (two-sum).
    const double bPart = sum - a;
    const double error = (a - (sum - bPart)) + (b - bPart);
    if (error != 0 || !countable(sum)) return std::nullopt;
    return sum;
}

Spent payWhole(double count, long long unit, long long wanted) {
    if (wanted <= 0 || !(count >= double(unit))) return {count, 0};
    const long long paid = std::min(static_cast<long long>(count) / unit, wanted);
    // Whole coins off a countable count leave a count held exactly.
    return {count - double(unit * paid), paid};
}

namespace {

// The larger coins to break, ten smaller ones each, for `whole` smaller coins to pay `wanted`.
long long breaksFor(long long whole, long long wanted) {
    const long long missing = wanted - whole;
    return missing > 0 ? (missing + 9) / 10 : 0;
}

bool allCountable(const Counts& counts) {
    return std::all_of(counts.begin(), counts.end(), [](double count) { return countable(count); });
}

} // namespace

std::optional<Broken> payBreaking(double smaller, long long wanted) {
    if (wanted <= 0) return Broken{0, smaller};
    // Whole coins pay, and the coins broken fill what they lack; the fraction below a coin
    // stays as it is, and so whether a whole coin can pay is never left to rounding.
    const double whole = std::floor(smaller);
    const long long breaks = breaksFor(static_cast<long long>(whole), wanted);
    const long long left = static_cast<long long>(whole) + 10 * breaks - wanted;
    const std::optional<double> count = exactSum(double(left), smaller - whole);
    if (!count) return std::nullopt;
    return Broken{breaks, *count};
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
        whole[coin] = counts[coin] >= 1 ? static_cast<long long>(counts[coin]) : 0;
    return whole;
}

bool covers(const Counts& counts, long long copper) {
    Coins whole{};
    double fractions = 0; // each below one coin of its kind: within 1111 cuivre in all
    for (int coin = Or; coin <= Cuivre; ++coin) {
        const double part = std::trunc(counts[coin]);
        whole[coin] = static_cast<long long>(part);
        fractions += (counts[coin] - part) * double(copperPerCoin[coin]);
    }
    long long need = copper - whole[Or] * copperPerCoin[Or];
    // Below the gold, countable coins are worth at most 111 × largestExactCount cuivre either
    // way: further off, the gold decides alone, before the sum could overflow.
    constexpr long long reach = 111 * (1LL << 53) + 1111;
    if (need > reach || need < -reach) return need < 0;
    for (int coin = Argent; coin <= Cuivre; ++coin)
        need -= whole[coin] * copperPerCoin[coin];
    return fractions >= double(need);
}

std::optional<Counts> pay(const Counts& counts, long long copper) {
    if (!allCountable(counts) || copper < 0 || double(copper) > largestExactCount)
        return std::nullopt;
    const Coins before = payable(counts);
    const Counts payingPart = {double(before[Or]), double(before[Argent]), double(before[Bronze]),
                               double(before[Cuivre])};
    // A debt counts against the price, though only whole coins in hand pay it.
    if (!covers(counts, copper) || !covers(payingPart, copper)) return std::nullopt;
    const Coins after = pay(before, copper);
    Counts paid = counts;
    for (int coin = Or; coin <= Cuivre; ++coin) {
        if (after[coin] == before[coin]) continue;
        const std::optional<double> count =
            exactSum(double(after[coin]), counts[coin] - double(before[coin]));
        if (!count) return std::nullopt;
        paid[coin] = *count;
    }
    return paid;
}

std::optional<Counts> add(const Counts& counts, const Coins& coins) {
    if (!allCountable(counts)) return std::nullopt;
    Counts sum = counts;
    for (int coin = Or; coin <= Cuivre; ++coin) {
        if (coins[coin] == 0) continue;
        const std::optional<double> count = exactSum(counts[coin], double(coins[coin]));
        if (!count) return std::nullopt;
        sum[coin] = *count;
    }
    return sum;
}

std::optional<Changed> changeUp(double lower, double upper) {
    if (!countable(lower) || !countable(upper)) return std::nullopt;
    // Toward zero, so that the rest keeps the count's sign; taking the tens off is exact.
    const long long tens = static_cast<long long>(lower) / 10;
    const std::optional<double> raised = exactSum(upper, double(tens));
    if (!raised) return std::nullopt;
    return Changed{lower - 10 * double(tens), *raised};
}

std::optional<long long> toCopper(double amount, Coin unit) {
    const double copper = std::nearbyint(amount * double(copperPerCoin[unit]));
    if (!countable(copper)) return std::nullopt;
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
