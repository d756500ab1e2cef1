#include "skills/skilltest.h"

#include "common/chance.h"
#include "common/runtimeerror.h"
#include "common/textnum.h"

using namespace Qt::StringLiterals;

namespace skills {

QString epreuveTitle() {
    return u"Epreuve d'Aptitude"_s;
}

SkillTestResult epreuveaptitude(QStringView valueText, int roll) {
    const double value = textnum::val(valueText);
    // The tested value is a 16-bit count; checked before rounding so nothing overflows.
    if (!(value >= -32768.5 && value < 32767.5)) throw RuntimeError(6);
    const long long valeurapt = textnum::roundHalfEven(value);

    SkillTestResult result;
    result.valeurapt = valeurapt;
    result.tirageapt = roll;
    result.success = chance::testSucceeds(roll, valeurapt);
    result.resultatapt = result.success ? u"réussie."_s : u"échouée."_s;
    result.text = u" Aptitude = "_s + textnum::fmt(valeurapt) + u"  ;  Tirage = "_s +
                  textnum::fmt(roll) + u"\r\n\nEpreuve "_s + result.resultatapt;
    return result;
}

} // namespace skills
