#include "shop/haggling.h"

#include <cmath>

namespace haggling {

double margin(int character) {
    return 2.0 * character / 100.0;
}

double merchantPrice(bool buying, double quantity, double unitPrice, double margin) {
    const double unit = buying ? unitPrice + unitPrice * margin : unitPrice - unitPrice * margin;
    return std::nearbyint(quantity * unit);
}

double threshold(bool buying, double merchantPrice, double margin) {
    const double give = margin * merchantPrice / 4;
    return buying ? merchantPrice - give : merchantPrice + give;
}

bool agrees(bool buying, double proposal, double threshold) {
    return buying ? proposal >= threshold : proposal <= threshold;
}

QColor colorValue(unsigned value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace haggling
