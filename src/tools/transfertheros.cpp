#include "tools/transfertheros.h"

#include "common/textnum.h"
#include "hero/perso.h"
#include "tools/combat.h"
#include "tools/epreuves.h"
#include "tools/tir_dist.h"

#include <initializer_list>

namespace {

// A plain copy keeps the text as it stands, "0" included.
void copy(TextBox* target, const TextBox* source) {
    target->setText(source->text());
}

// A hero without values shows empty boxes rather than zeros.
void emptyIfZero(TextBox* target) {
    if (target->text() == u"0") target->clear();
}

// The sum of the sources' numbers, written as text and read back.
void sum(TextBox* target, std::initializer_list<const TextBox*> sources) {
    double total = 0;
    for (const TextBox* source : sources)
        total += source->value();
    target->setText(textnum::fmt(total));
    emptyIfZero(target);
}

} // namespace

void transfertheros() {
    const Perso& p = perso();
    Combat& c = combat();
    c.combatheros->setText(p.nom->text());
    copy(c.hc, p.courage);
    // Writes the hero's life energy back into the sheet only when it differs, which it does not:
    // the round trip ends here.
    copy(c.hev, p.energievitale);
    // Only the weapon in slot 1 is the one in hand.
    sum(c.ha, {p.attaque, p.bonusparade, p.armeAttaque[1]});
    sum(c.hp, {p.parade, p.bonusparade2, p.armeParade[1]});
    copy(c.hpi1, p.pim1[1]);
    emptyIfZero(c.hpi1);
    sum(c.hpi2, {p.pim2[1], p.bonusattaque});
    sum(c.hpr, {p.prot[1], p.prot[2], p.prot[3]});

    // The shot takes the sheet's adresse alone; the tests take it with the armour's maluses.
    sum(tir_dist().adresse, {p.adresse});
    Epreuves& e = epreuves();
    copy(e.co, p.courage);
    copy(e.inte, p.intelligence);
    copy(e.ch, p.charisme);
    sum(e.ad, {p.adresse, p.malus[1], p.malus[2], p.malus[3]});
    copy(e.fo, p.force);
    // The tests' attack and parry leave the weapon in hand out.
    sum(e.at, {p.attaque, p.bonusparade});
    sum(e.pa, {p.parade, p.bonusparade2});
    copy(e.endu, p.endurance);
}
