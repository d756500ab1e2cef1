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

} // namespace money
