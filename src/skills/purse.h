#pragma once
// The four coin boxes of `attrib` as counts, for the cost dialog and the payment.
//
// An empty box is std::nullopt, which is not the same as a box holding "0": the payment skips
// an empty box (and leaves it empty), while "0" is a count it visits and finds too small.
// Both count 0 in the fortune. Build it from the boxes' texts with fromTexts(); write the
// payment's result back with writeText() so that an empty box stays empty.
#include "common/coincount.h"

#include <QString>

#include <optional>

namespace skills {

using CoinCount = std::optional<money::Count>;

struct Purse {
    CoinCount piecesor, piecesargent, piecesbronze, piecescuivre; // gold, silver, bronze, copper

    // Each box's count; only the exactly empty text is an empty box. None when a box holds a
    // count beyond those held to the coin: no payment can be worked out from it.
    static std::optional<Purse> fromTexts(QStringView piecesor, QStringView piecesargent,
                                          QStringView piecesbronze, QStringView piecescuivre);
    bool operator==(const Purse&) const = default;
};

// A coin count as its box shows it: the empty text for an empty box, else its decimal text.
QString writeText(const CoinCount& count);

// The purse's worth in whole silver pieces: 10 per gold, 1 per silver, and bronze and copper
// each counted only in whole silver (99 copper are worth nothing).
money::Count fortune(const Purse& purse);

} // namespace skills
