#pragma once
// A coin count as money reads it: the decimal its box's text shows, kept as a whole number of
// 10^-18 coins. Every money rule moves whole coins, so a count typed as 9.2 pays 1 and leaves
// 8.2, and never a binary neighbour of it. A count the purse can hold lies within
// largestExactCount coins either side of zero; 128 bits hold it, and the worth of four of them
// in cuivre, with room to spare.
#include <QString>

#include <compare>
#include <optional>

namespace money {

// The largest count held to the coin: past it a count is refused rather than rounded.
inline constexpr long long largestExactCount = 1LL << 53;

class Count {
public:
    constexpr Count() = default;
    constexpr Count(long long coins) : units_(Units(coins) * perCoin) {}

    // The leading numeric value of a text (blanks, a sign, digits, "." and digits: anything
    // else ends it, no digit at all is 0), rounded half to even past 18 decimals. None when
    // it is beyond largestExactCount either side of zero.
    static std::optional<Count> read(QStringView text);

    // The shortest decimal text of the exact value: "9.6", "-0.5", "5000000000000005"; never
    // an exponent, never "-0".
    QString text() const;

    // Its whole part toward zero, and the whole number of `unit`s it holds rounded down (the
    // weight's tens, the fortune's hundreds of copper); within 64 bits, as those of countable
    // counts and of their worth in cuivre are.
    long long whole() const;
    long long floor(long long unit = 1) const;
    bool countable() const { return -limit <= units_ && units_ <= limit; }

    // numerator / denominator rounded half to even to a whole number; none when the denominator
    // is not above 0 or the quotient is beyond largestExactCount either side of zero.
    friend std::optional<long long> wholeRatio(Count numerator, Count denominator);

    // Exact: sums and products stay far inside 128 bits as long as they start from countable
    // counts and multiply by a coin's worth and a quantity.
    friend Count operator+(Count a, Count b) { return fromUnits(a.units_ + b.units_); }
    friend Count operator-(Count a, Count b) { return fromUnits(a.units_ - b.units_); }
    friend Count operator*(Count a, long long factor) { return fromUnits(a.units_ * factor); }
    friend auto operator<=>(const Count&, const Count&) = default;

private:
    using Units = __int128;
    static constexpr Units perCoin = 1'000'000'000'000'000'000;
    static constexpr Units limit = Units(largestExactCount) * perCoin;
    static constexpr Count fromUnits(Units units) {
        Count count;
        count.units_ = units;
        return count;
    }
    Units units_ = 0;
};

} // namespace money
