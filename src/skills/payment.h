#pragma once
// The coin side of `payecout`: paying a raise's price in silver from the purse.
//
// Worked on a copy and handed back whole, so the caller writes the four boxes only once the
// payment is known to succeed (each write runs the box's own handling). The caller also
// takes the cost in points from `attrib.pointsarepartir`, and recomputes the carried weight.
#include "skills/purse.h"

namespace skills {

// Pays `price` silver pieces from the smallest coin up: copper by hundreds, then bronze by
// tens, then silver; when the silver runs out, one gold piece is broken into ten more silver
// (added to what the box holds, the gold less 1 whatever it holds), then the silver goes on
// paying. Empty boxes are skipped and stay empty; coins too few to make a silver piece stay in
// the purse. The purse keeps its worth less the price. A price below 1 pays nothing.
// Worked out at once, and exactly: no value when the gold broken would leave a count beyond
// those held to the coin. Whether the purse is worth the price is the cost dialog's verdict,
// not this.
std::optional<Purse> payecout(Purse purse, int price);

} // namespace skills
