#include "skills/purse.h"

namespace skills {

std::optional<Purse> Purse::fromTexts(QStringView piecesor, QStringView piecesargent,
                                      QStringView piecesbronze, QStringView piecescuivre) {
    Purse purse;
    const std::pair<QStringView, CoinCount*> boxes[] = {{piecesor, &purse.piecesor},
                                                        {piecesargent, &purse.piecesargent},
                                                        {piecesbronze, &purse.piecesbronze},
                                                        {piecescuivre, &purse.piecescuivre}};
    for (const auto& [text, count] : boxes) {
        if (text.isEmpty()) continue;
        *count = money::Count::read(text);
        if (!*count) return std::nullopt;
    }
    return purse;
}

QString writeText(const CoinCount& count) {
    return count ? count->text() : QString();
}

money::Count fortune(const Purse& purse) {
    return purse.piecesor.value_or(0) * 10 + purse.piecesargent.value_or(0) +
           purse.piecesbronze.value_or(0).floor(10) + purse.piecescuivre.value_or(0).floor(100);
}

} // namespace skills
