#include "tools/fightrules.h"

#include "common/textnum.h"

#include <algorithm>
#include <array>
#include <climits>

namespace fightrules {

int bonneattaque(double attack) {
    if (attack < 11) return 1;
    if (attack < 15) return 2;
    if (attack < 18) return 3;
    return 4;
}

double bonneparade(double parade) {
    return std::max(0.0, parade - 5);
}

GraveImpact impactgrave(int d20) {
    struct Band {
        int upTo;
        GraveImpact impact;
    };
    static constexpr std::array<Band, 6> bands{{
        {5, {1, false}},
        {10, {2, false}},
        {13, {3, false}},
        {16, {4, false}},
        {18, {5, false}},
        {20, {0, true}},
    }};
    for (const Band& band : bands)
        if (d20 <= band.upTo) return band.impact;
    return bands.back().impact;
}

double impact(int d6, double diceCount, double addend) {
    return d6 * diceCount + addend;
}

double throughProtection(double impact, double protection) {
    return std::max(0.0, impact - protection);
}

int barValue(double lifeEnergy) {
    return static_cast<int>(textnum::roundHalfEven(std::clamp(lifeEnergy, 0.0, double(INT_MAX))));
}

int barMaximum(double lifeEnergy) {
    return std::max(1, barValue(lifeEnergy));
}

} // namespace fightrules
