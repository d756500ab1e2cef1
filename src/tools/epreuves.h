#pragma once
#include "common/controls.h"
#include "common/family.h"
#include "tools/toolwindow.h"

// The characteristic tests: eight values of the hero, copied in from the hero sheet, each with
// a modifier for the situation; every ticked row is tested with a d20 of its own.
// The rows are numbered by their check box, not by their place on screen: endurance, sixth on
// screen, is number 8, attack 6 and parry 7.
class Epreuves : public ToolWindow {
    Q_OBJECT
public:
    Epreuves();

    void courage_Click() { toggleRow(1); }
    void intelligence_Click() { toggleRow(2); }
    void charisme_Click() { toggleRow(3); }
    void adresse_Click() { toggleRow(4); }
    void force_Click() { toggleRow(5); }
    void attaque_Click() { toggleRow(6); }
    void parade_Click() { toggleRow(7); }
    void endurance_Click() { toggleRow(8); }
    void lancer_Click();
    void Efface_Click();
    void Label7_Click();

    // Unticks the eight rows and empties their results: a new hero starts with no test pending.
    void clearTests();

    CommandButton *courage, *intelligence, *charisme, *adresse, *force, *endurance, *attaque,
        *parade;
    TextBox *co, *inte, *ch, *ad, *fo, *endu, *at, *pa;
    Family<TextBox, 8> valeur; // the value boxes above, by row number
    Family<TextBox, 8> fact;
    Family<CheckBox, 8> Check;
    Family<Label, 8> resultats; // Label1 .. Label8
    Label *signe, *tirage;
    CommandButton *lancer, *Efface;

private:
    void toggleRow(int number);
};

inline Epreuves& epreuves() {
    return forms::get<Epreuves>();
}
