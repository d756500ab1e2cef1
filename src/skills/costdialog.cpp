#include "skills/costdialog.h"

#include "common/textnum.h"

using namespace Qt::StringLiterals;

namespace skills {

QString coutpointTitle() {
    return u"Evolution d'Aptitude"_s;
}
QString coutpointHeading() {
    return u"L'augmentation d'1 degré de cette aptitude vous  coutera :"_s;
}

CostDialogState affichecout(QStringView pointsarepartir, RaiseCost cost, const Purse& purse) {
    const bool enoughPoints = textnum::val(pointsarepartir) >= cost.points;
    const bool enoughMoney = fortune(purse) >= cost.price;
    if (enoughPoints && enoughMoney) return {CostVerdict::Affordable, true, {}};
    if (!enoughPoints && !enoughMoney)
        return {CostVerdict::NoPointsNorMoney, false,
                u"Vous n'avez pas suffisamment de points à répartir et d'argent !!"_s};
    if (!enoughPoints)
        return {CostVerdict::NoPoints, false,
                u"Vous n'avez pas suffisamment de points à répartir !"_s};
    return {CostVerdict::NoMoney, false, u"Vous n'avez pas suffisamment d'argent !"_s};
}

} // namespace skills
