#include "skills/purse.h"

#include "common/textnum.h"

#include <cmath>

namespace skills {
namespace {

CoinCount countOf(QStringView text) {
    if (text.isEmpty()) return std::nullopt;
    return textnum::val(text);
}

} // namespace

Purse Purse::fromTexts(QStringView piecesor, QStringView piecesargent, QStringView piecesbronze,
                       QStringView piecescuivre) {
    return {countOf(piecesor), countOf(piecesargent), countOf(piecesbronze), countOf(piecescuivre)};
}

QString writeText(const CoinCount& count) {
    return count ? textnum::fmtExact(*count) : QString();
}

double fortune(const Purse& purse) {
    return 10 * purse.piecesor.value_or(0) + purse.piecesargent.value_or(0) +
           std::floor(purse.piecesbronze.value_or(0) / 10) +
           std::floor(purse.piecescuivre.value_or(0) / 100);
}

} // namespace skills
