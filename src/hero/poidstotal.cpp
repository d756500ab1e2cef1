#include "hero/poidstotal.h"

#include "common/money.h"
#include "common/textnum.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"

namespace {

template <class Boxes> double sum(const Boxes& boxes) {
    double total = 0;
    for (std::size_t i = 1; i < boxes.size(); ++i)
        total += boxes[i]->value();
    return total;
}

// Each partial sum goes through its text form, as the weights are kept.
double asKept(double partial) {
    return textnum::val(textnum::fmt(partial));
}

void writeCarried(TextBox* gold, TextBox* silver, TextBox* bronze, TextBox* copper) {
    Perso& p = perso();
    Equip& e = equip();
    const double coins = static_cast<double>(
        money::coinWeight(gold->text(), silver->text(), bronze->text(), copper->text()));
    p.poidstransporte->setText(textnum::fmt(poidsobjets() + coins));
    p.poidstransporte->repaint();
    e.poidstransporte->setText(p.poidstransporte->text());
    e.poidstransporte->repaint();
}

} // namespace

double poidsobjets() {
    Perso& p = perso();
    Equip& e = equip();
    const double heroSheet =
        sum(p.poidsmelee) + sum(p.poidsdistance) + sum(p.poidsmunition) + sum(p.poidsprotection);
    double linesLow = 0, linesHigh = 0;
    for (int i = 1; i <= 12; ++i)
        linesLow += e.poidsequip[i]->value();
    for (int i = 13; i <= 24; ++i)
        linesHigh += e.poidsequip[i]->value();
    return asKept(heroSheet) + asKept(sum(e.poidsvetement)) + asKept(linesLow) + asKept(linesHigh);
}

void poidstotal() {
    Equip& e = equip();
    writeCarried(e.piecesor, e.piecesargent, e.piecesbronze, e.piecescuivre);
}

void poidstotalattrib() {
    Attrib& a = attrib();
    writeCarried(a.piecesor, a.piecesargent, a.piecesbronze, a.piecescuivre);
}
