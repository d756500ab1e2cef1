#pragma once
// The verdict of the cost dialog `coutpoint` (`affichecout`): can the hero pay the raise?
#include "skills/purse.h"
#include "skills/raise.h"

namespace skills {

// Fixed texts of `coutpoint`.
QString coutpointTitle();   // "Evolution d'Aptitude"
QString coutpointHeading(); // the static label above the two figures

enum class CostVerdict { Affordable, NoPointsNorMoney, NoPoints, NoMoney };
inline constexpr CostVerdict shortages[] = {CostVerdict::NoPointsNorMoney, CostVerdict::NoPoints,
                                            CostVerdict::NoMoney};

// What `coutpoint.refus` says the hero lacks; empty when the raise is affordable.
QString refusText(CostVerdict verdict);

struct CostDialogState {
    CostVerdict verdict = CostVerdict::Affordable;
    // True only when affordable. Then "Accepter" and "Refuser" are shown and `refus` and
    // "Retour" hidden; otherwise `refus` and "Retour" are shown, the other two hidden.
    bool accepte = false;
    QString refus; // the text of `coutpoint.refus`, empty when affordable
};

// `pointsarepartir` is the text of `attrib.pointsarepartir`; equality passes on both counts.
// The money passes when the purse is worth the price and the payment can be worked out; none
// is a purse with a count beyond those held to the coin.
CostDialogState affichecout(QStringView pointsarepartir, RaiseCost cost,
                            const std::optional<Purse>& purse);

} // namespace skills
