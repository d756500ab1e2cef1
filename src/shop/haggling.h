#pragma once
// The merchant's rules, apart from the window: the terms he fixes at a deal's first proposal
// and his verdict on each proposal.
#include <QColor>

namespace haggling {

// The margin a merchant of this character asks: 0 (friendliest) to 10 (grumpiest) give 0 to
// 0.2 in steps of 0.02.
double margin(int character);

// The merchant's price for a quantity at a unit price: the price raised by the margin when
// the hero buys, lowered when he sells, rounded to a whole number, halves to even. Kept in a
// double: whatever a file holds, nothing wraps around.
double merchantPrice(bool buying, double quantity, double unitPrice, double margin);

// How far the merchant will go from his price: down a quarter of his margin when the hero
// buys, up a quarter when he sells.
double threshold(bool buying, double merchantPrice, double margin);

// The merchant agrees to a purchase at or above his threshold, to a sale at or below it.
bool agrees(bool buying, double proposal, double threshold);

// The lights' colours, old colour values read as the old platform read them: the low byte
// is red, then green, then blue.
QColor colorValue(unsigned value);
inline constexpr unsigned red = 255;
inline constexpr unsigned green = 65280;

} // namespace haggling
