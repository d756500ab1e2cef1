#pragma once
// Shared by the tests that drive the skills sheet's buttons: a hero on the sheets, the purse
// on both sheets, and an answer to the cost dialog given while a raise waits for it.
#include "common/textnum.h"
#include "equipment/equip.h"
#include "equipment/purse.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "skills/coutpoint.h"
#include "skills/skillcontrols.h"
#include "skills/skillrow.h"

#include <QStringList>
#include <QTimer>
#include <functional>

namespace sheet {

// The skills sheet, its buttons wired by its own construction.
inline Attrib& wiredAttrib() { return attrib(); }

// Every characteristic at `value`, the load limit force x 100 on both sheets.
inline void loadHero(int value, int force) {
    Perso& p = perso();
    for (TextBox* box : {p.courage, p.intelligence, p.charisme, p.adresse})
        box->setValue(value);
    p.force->setValue(force);
    p.poidsmaximum->setValue(force * 100.0);
    equip().poidsmaximum->setValue(force * 100.0);
}

// Ticks one hero-type option alone, without running the hero sheet's own handling of it.
inline void tick(skills::HeroType type, const QString& deity = {}) {
    Perso& p = perso();
    const QString name = skills::heroTypeControlName(type);
    for (OptionButton* option : p.typeGroup.buttons())
        option->setChecked(option->objectName() == name);
    p.devotion->setText(deity);
}

// A sheet's purse: gold, silver, bronze, copper. Typed from copper up: silver owed is in the
// box before the gold that makes up for it, or the gold alone would weigh past the limit.
inline QStringList purseOf(purse::Sheet on) {
    QStringList texts;
    for (purse::Coin coin : purse::coins)
        texts << purse::coinBox(on, coin)->text();
    return texts;
}
inline void setPurse(const QStringList& texts) {
    for (purse::Sheet on : {purse::Sheet::Attrib, purse::Sheet::Equip})
        for (int i = 3; i >= 0; --i)
            purse::coinBox(on, purse::coins[i])->setText(texts[i]);
}

// What the cost dialog showed when it was answered.
struct DialogSeen {
    bool shown = false;
    QString points, prixpoints, refus;
    bool refusShown = false, accepterShown = false, refuserShown = false, retourShown = false;
    bool refusReadsWhole = false; // the box is wider than its text
};

// Answers the next cost dialog as soon as the raise waits for it: "accepter", "refuser",
// "retour", or "close" for its close box. `during` runs first, while the dialog is shown; the
// answer comes in a later turn of the event loop, so that the wait sees what `during` did.
// Given several answers, answers the dialog each time it shows again; `seen` is the last.
class DialogAnswer {
public:
    explicit DialogAnswer(const QString& answer, std::function<void()> during = {})
        : DialogAnswer(QStringList{answer}, std::move(during)) {}
    DialogAnswer(QStringList answers, std::function<void()> during) {
        look_.setSingleShot(true);
        reply_.setSingleShot(true);
        QObject::connect(&look_, &QTimer::timeout, [this, during] {
            Coutpoint& d = coutpoint();
            seen.shown = d.isVisible();
            seen.points = d.points->caption();
            seen.prixpoints = d.prixpoints->caption();
            seen.refus = d.refus->text();
            seen.refusShown = !d.refus->isHidden();
            seen.accepterShown = !d.accepter->isHidden();
            seen.refuserShown = !d.refuser->isHidden();
            seen.retourShown = !d.retour->isHidden();
            seen.refusReadsWhole =
                d.refus->fontMetrics().horizontalAdvance(seen.refus) < d.refus->width();
            if (during && answered == 0) during();
            reply_.start(1);
        });
        QObject::connect(&reply_, &QTimer::timeout, [this, answers] {
            Coutpoint& d = coutpoint();
            const QString& answer = answers[answered++];
            if (answered < answers.size()) look_.start(0);
            if (answer == QLatin1String("close"))
                d.close();
            else
                d.findChild<CommandButton*>(answer)->click();
        });
        look_.start(0);
    }
    DialogSeen seen;
    qsizetype answered = 0;

private:
    QTimer look_, reply_;
};

} // namespace sheet
