#pragma once
// The skill test behind the "E" buttons (`eha1_Click` .. `esu13_Click`, `epreuveaptitude`):
// one d20 against the skill's value. The caller rolls the die and shows `text` in a message
// box with the information icon and the title epreuveTitle().
#include <QString>

namespace skills {

QString epreuveTitle(); // "Epreuve d'Aptitude"

struct SkillTestResult {
    long long valeurapt = 0; // the tested value
    int tirageapt = 0;       // the d20
    bool success = false;
    QString resultatapt; // "réussie." or "échouée."
    QString text;        // the message box's text
};

// Tests the value box's text, read whole with halves to even ("12.5" is 12, "13.5" is 14).
// A value outside -32768..32767 does not fit the tested value: RuntimeError 6 (overflow).
SkillTestResult epreuveaptitude(QStringView valueText, int roll);

} // namespace skills
