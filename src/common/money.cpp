#include "common/money.h"

#include <cmath>

namespace money {

long long coinWeight(double gold, double silver, double bronze, double copper) {
    const double tenths = 10 * gold + 2 * silver + bronze + copper;
    return static_cast<long long>(std::floor(tenths / 10));
}

} // namespace money
