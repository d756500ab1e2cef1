#include "common/coincount.h"

#include "common/textnum.h"

#include <algorithm>

namespace money {
namespace {

constexpr int decimals = 18;

// Whether a quotient's remainder sends it one further from zero, half to even.
bool roundsAway(__int128 quotient, __int128 remainder, __int128 divisor) {
    const __int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    return twice > divisor || (twice == divisor && quotient % 2 != 0);
}

} // namespace

std::optional<Count> Count::read(QStringView text) {
    const textnum::LeadingNumber number = textnum::leadingNumber(text);
    // Past the limit the count is refused, however many digits follow.
    Units units = 0;
    for (QChar digit : number.whole) {
        units = units * 10 + perCoin * digit.digitValue();
        if (units > limit) return std::nullopt;
    }
    const QStringView kept =
        number.fraction.first(std::min<qsizetype>(number.fraction.size(), decimals));
    Units place = perCoin;
    for (QChar digit : kept)
        units += (place /= 10) * digit.digitValue();
    // Past 18 decimals, half to even.
    if (const QStringView rest = number.fraction.sliced(kept.size()); !rest.isEmpty()) {
        const QStringView tail = rest.sliced(1);
        const bool aboveHalf =
            std::any_of(tail.begin(), tail.end(), [](QChar c) { return c != u'0'; });
        const int first = rest[0].digitValue();
        if (first > 5 || (first == 5 && (aboveHalf || units % 2 != 0))) ++units;
    }
    if (units > limit) return std::nullopt;
    return fromUnits(number.negative ? -units : units);
}

QString Count::text() const {
    Units magnitude = units_ < 0 ? -units_ : units_;
    QString digits;
    for (Units whole = magnitude / perCoin; digits.isEmpty() || whole != 0; whole /= 10)
        digits.prepend(QChar(u'0' + int(whole % 10)));
    if (Units fraction = magnitude % perCoin; fraction != 0) {
        QString decimalsText(decimals, u'0');
        for (int at = decimals - 1; at >= 0; --at, fraction /= 10)
            decimalsText[at] = QChar(u'0' + int(fraction % 10));
        while (decimalsText.endsWith(u'0'))
            decimalsText.chop(1);
        digits += u'.' + decimalsText;
    }
    return units_ < 0 ? u'-' + digits : digits;
}

long long Count::whole() const {
    return static_cast<long long>(units_ / perCoin);
}

long long Count::floor(long long unit) const {
    const Units divisor = perCoin * unit;
    const Units toward = units_ / divisor;
    return static_cast<long long>(units_ % divisor < 0 ? toward - 1 : toward);
}

std::optional<long long> wholeRatio(Count numerator, Count denominator) {
    using Units = Count::Units;
    if (denominator.units_ <= 0) return std::nullopt;
    Units quotient = numerator.units_ / denominator.units_;
    const Units remainder = numerator.units_ % denominator.units_;
    if (roundsAway(quotient, remainder, denominator.units_)) quotient += remainder < 0 ? -1 : 1;
    if (quotient > largestExactCount || quotient < -largestExactCount) return std::nullopt;
    return static_cast<long long>(quotient);
}

} // namespace money
