#pragma once
// Shared set-up of the sheet tests: a hero to weigh and the purses to read.
#include "equipment/equip.h"
#include "equipment/purse.h"
#include "hero/perso.h"
#include "skills/attrib.h"

#include <QStringList>

// Loads a hero the way the sheets see one: force filled in, and the load limit the hero sheet
// keeps in `equip.poidsmaximum`.
inline void loadHero(double limit) {
    perso().force->setText(QStringLiteral("10"));
    equip().poidsmaximum->setValue(limit);
}

// The four coin boxes of a sheet, or to cuivre.
inline QStringList purseTexts(purse::Sheet sheet) {
    QStringList texts;
    for (purse::Coin coin : purse::coins)
        texts << purse::coinBox(sheet, coin)->text();
    return texts;
}

// Fills both purses without a hero, so that nothing is weighed or copied.
inline void setBothPurses(const QStringList& texts) {
    for (purse::Sheet sheet : {purse::Sheet::Attrib, purse::Sheet::Equip})
        for (int i = 0; i < 4; ++i)
            purse::coinBox(sheet, purse::coins[i])->setText(texts[i]);
}

// A purse's worth in cuivre.
inline double worth(const QStringList& texts) {
    return 1000 * textnum::val(texts[0]) + 100 * textnum::val(texts[1]) +
           10 * textnum::val(texts[2]) + textnum::val(texts[3]);
}
