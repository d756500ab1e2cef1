#pragma once
// Shared by the tests that drive the skills sheet's buttons: a hero on the sheets, the purse
// on both sheets, and an answer to the cost dialog given while a raise waits for it.
#include "common/textnum.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "skills/coutpoint.h"
#include "skills/skillbuttons.h"
#include "skills/skillcontrols.h"
#include "skills/skillrow.h"

#include <QStringList>
#include <QTimer>
#include <functional>

namespace sheet {

// The skills sheet with its buttons wired as the program wires them.
inline Attrib& wiredAttrib() {
    Attrib& a = attrib();
    connectSkillButtons(a);
    return a;
}

// Every characteristic at `value`, the load limit force x 100 on both sheets.
inline void loadHero(int value, int force) {
    Perso& p = perso();
    for (TextBox* box : {p.courage, p.intelligence, p.charisme, p.adresse}) box->setValue(value);
    p.force->setValue(force);
    p.poidsmaximum->setValue(force * 100.0);
    equip().poidsmaximum->setValue(force * 100.0);
}

// Ticks one hero-type option alone, without running the hero sheet's own handling of it.
inline void tick(skills::HeroType type, const QString& deity = {}) {
    Perso& p = perso();
    const QString name = skills::heroTypeControlName(type);
    for (OptionButton* option : p.typeGroup.buttons()) option->setChecked(option->objectName() == name);
    p.devotion->setText(deity);
}

// Gold, silver, bronze, copper.
inline QStringList purseOf(Attrib& a) {
    return {a.piecesor->text(), a.piecesargent->text(), a.piecesbronze->text(),
            a.piecescuivre->text()};
}
inline QStringList purseOf(Equip& e) {
    return {e.piecesor->text(), e.piecesargent->text(), e.piecesbronze->text(),
            e.piecescuivre->text()};
}
inline void setPurse(const QStringList& coins) {
    Attrib& a = attrib();
    Equip& e = equip();
    const std::array<TextBox*, 4> mine{a.piecesor, a.piecesargent, a.piecesbronze, a.piecescuivre};
    const std::array<TextBox*, 4> twins{e.piecesor, e.piecesargent, e.piecesbronze, e.piecescuivre};
    for (int i = 0; i < 4; ++i) {
        mine[i]->setText(coins[i]);
        twins[i]->setText(coins[i]);
    }
}

// What the cost dialog showed when it was answered.
struct DialogSeen {
    bool shown = false;
    QString points, prixpoints, refus;
    bool refusShown = false, accepterShown = false, refuserShown = false, retourShown = false;
};

// Answers the next cost dialog as soon as the raise waits for it: "accepter", "refuser",
// "retour", or "close" for its close box. `during` runs first, while the dialog is shown.
class DialogAnswer {
public:
    explicit DialogAnswer(const QString& answer, std::function<void()> during = {}) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this, answer, during] {
            Coutpoint& d = coutpoint();
            seen.shown = d.isVisible();
            seen.points = d.points->caption();
            seen.prixpoints = d.prixpoints->caption();
            seen.refus = d.refus->text();
            seen.refusShown = !d.refus->isHidden();
            seen.accepterShown = !d.accepter->isHidden();
            seen.refuserShown = !d.refuser->isHidden();
            seen.retourShown = !d.retour->isHidden();
            if (during) during();
            if (answer == QLatin1String("close"))
                d.close();
            else
                d.findChild<CommandButton*>(answer)->click();
        });
        timer_.start(0);
    }
    DialogSeen seen;

private:
    QTimer timer_;
};

} // namespace sheet
