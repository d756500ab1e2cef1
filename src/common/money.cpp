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

} // namespace money
