#include "skills/costdialog.h"

#include "common/textnum.h"
#include "skills/payment.h"

using namespace Qt::StringLiterals;

namespace skills {

QString coutpointTitle() {
    return u"Evolution d'Aptitude"_s;
}
QString coutpointHeading() {
    return u"L'augmentation d'1 degré de cette aptitude vous  coutera :"_s;
}

QString refusText(CostVerdict verdict) {
    switch (verdict) {
    case CostVerdict::Affordable:
        break;
    case CostVerdict::NoPointsNorMoney:
        return u"Vous n'avez pas suffisamment de points à répartir et d'argent !!"_s;
    case CostVerdict::NoPoints:
        return u"Vous n'avez pas suffisamment de points à répartir !"_s;
    case CostVerdict::NoMoney:
        return u"Vous n'avez pas suffisamment d'argent !"_s;
    }
    return {};
}

CostDialogState affichecout(QStringView pointsarepartir, RaiseCost cost,
                            const std::optional<Purse>& purse) {
    const bool enoughPoints = textnum::val(pointsarepartir) >= cost.points;
    // A purse that the payment cannot work out to the coin (a count beyond whole coins) is
    // short of money too: accepting it would pay nothing.
    const bool enoughMoney = purse && fortune(*purse) >= cost.price && payecout(*purse, cost.price);
    const CostVerdict verdict = enoughPoints && enoughMoney ? CostVerdict::Affordable
                                : enoughPoints              ? CostVerdict::NoMoney
                                : enoughMoney               ? CostVerdict::NoPoints
                                                            : CostVerdict::NoPointsNorMoney;
    return {verdict, verdict == CostVerdict::Affordable, refusText(verdict)};
}

} // namespace skills
