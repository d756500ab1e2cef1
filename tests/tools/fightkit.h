#pragma once
// Whole fights through the real combat window: the hero set on the hero sheet, the adversary
// typed into the window, the dice scripted, "C&ombat" clicked, the report read back.
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/chance.h"
#include "common/clock.h"
#include "common/cp1252.h"
#include "common/shared.h"
#include "hero/perso.h"
#include "tools/combat.h"
#include "tools/wfuite.h"
#include "tools/wpause.h"

#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>

namespace fightkit {

// "name=value" words. The hero's hc, ha, hp, hpi1, hpi2, hpr, hev and exp go onto the hero
// sheet, which copies them into the window; the adversary's straight into the window; and
// the options regles=extension, delai=N, fichier=0.
inline const QString defaults = "nom=Aldo hc=12 ha=12 hp=10 hpi1=1 hpi2=2 hpr=1 hev=20 "
                                "acm=5 ac=10 aa=11 ap=9 apr=1 api1=1 api2=1 aev=5 fichier=1";

inline void setUp(const QString& overrides) {
    Perso& p = perso();
    Combat& c = combat();
    const QMap<QString, TextBox*> sheet{
        {"hc", p.courage},     {"ha", p.attaque}, {"hp", p.parade},     {"hpi1", p.pim1[1]},
        {"hpi2", p.pim2[1]},   {"hpr", p.prot[1]}, {"hev", p.energievitale}, {"exp", p.experience}};
    for (const QString& word : (defaults + ' ' + overrides).split(' ', Qt::SkipEmptyParts)) {
        const QString name = word.section('=', 0, 0), value = word.section('=', 1);
        if (name == "nom") p.nom->setText(value);
        else if (name == "regles") c.findChild<MenuEntry*>("menu" + value)->trigger();
        else if (name == "delai") c.findChild<OptionButton*>("pause" + value)->setValue(true);
        else if (name == "fichier") c.fichier->setValue(value == "1");
        else if (sheet.contains(name)) sheet[name]->setText(value);
        else c.findChild<TextBox*>(name)->setText(value);
    }
}

// "d20 5, d6 3": the dice in the order they are drawn.
inline std::vector<chance::Die> dice(const QString& script) {
    std::vector<chance::Die> drawn;
    for (const QString& die : script.split(',', Qt::SkipEmptyParts)) {
        const QStringList parts = die.trimmed().mid(1).split(' ');
        drawn.push_back({parts[1].toInt(), parts[0].toInt()});
    }
    return drawn;
}

// A "|" in an expected line stands for the blanks up to the next print zone.
inline QStringList expand(const QStringList& lines) {
    QStringList expanded;
    for (QString line : lines) {
        for (qsizetype at; (at = line.indexOf('|')) >= 0;)
            line.replace(at, 1, QString((at / 14 + 1) * 14 - at, ' '));
        expanded << line;
    }
    return expanded;
}

// The report's lines, each ended by CR LF in the 8-bit code page; none when there is no file.
inline QStringList report(const TestDriveC& drive, const QString& file = "resultat.txt") {
    const QByteArray bytes = drive.read(file);
    if (bytes.isEmpty()) return {};
    if (!bytes.endsWith("\r\n")) return {"(no CR LF at the end)"};
    return cp1252::decode(bytes.chopped(2)).split("\r\n");
}

// What the user does at a yield: a button clicked, a window closed, the report box changed.
inline void act(const QString& action) {
    Combat& c = combat();
    if (action == "Pause") QTest::mouseClick(c.arret, Qt::LeftButton);
    else if (action == "Continuer") QTest::mouseClick(wpause().Command2, Qt::LeftButton);
    else if (action == "Fuir") QTest::mouseClick(wpause().Command1, Qt::LeftButton);
    else if (action == "OK") QTest::mouseClick(wfuite().Command1, Qt::LeftButton);
    else if (action == "close-wpause") wpause().close();
    else if (action == "close-wfuite") wfuite().close();
    else if (action == "close-combat") c.close();
    else if (action == "untick") c.fichier->setValue(false);
    else if (action == "tick") c.fichier->setValue(true);
    else if (action == "2sec") c.menu2sec->trigger();
    else if (action == "Combat") {
        for (QPushButton* button : {c.Command2, c.Command7, c.Command8})
            QTest::mouseClick(button, Qt::LeftButton);
        c.Command2_Click();
    } else qFatal("fightkit: no action %s", qPrintable(action));
}

// What a fight shows: a field's text, a label's caption, a bar's value, a button's state.
inline QString shown(const QString& name) {
    if (name == "experience" || name == "energievitale")
        return perso().findChild<TextBox*>(name)->text();
    if (name == "wfuite") return wfuite().windowTitle();
    if (name == "wpause") return wpause().isVisible() ? "shown" : "hidden";
    if (name == "combat") return combat().isVisible() ? "shown" : "hidden";
    if (name == "enpause") return shared::enpause ? "set" : "clear";
    for (QWidget* window : std::initializer_list<QWidget*>{&combat(), &wfuite()}) {
        QWidget* control = window->findChild<QWidget*>(name);
        if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
        if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
        if (auto* bar = qobject_cast<QProgressBar*>(control)) return QString::number(bar->value());
        if (auto* button = qobject_cast<QPushButton*>(control))
            return button->text() + (button->isEnabled() ? " on" : " off");
    }
    qFatal("fightkit: nothing shows %s", qPrintable(name));
}

struct Run {
    QString trace; // "Y" for each yield, "W<seconds>" for each wait on the clock
};

// Sets up, scripts the dice, shows the window and clicks "C&ombat"; `actions` are what the
// user does at chosen yields, "2:Pause 3:Continuer".
inline Run fight(const QString& setup, const QString& script, const QString& actions = {}) {
    setUp(setup);
    chance::scriptDice(dice(script));
    QMultiMap<int, QString> at;
    for (const QString& word : actions.split(' ', Qt::SkipEmptyParts))
        at.insert(word.section(':', 0, 0).toInt(), word.section(':', 1));
    Run run;
    appclock::setSpinWait([&](double seconds) { run.trace += 'W' + QString::number(seconds) + ' '; });
    appclock::setYieldHook([&](int index) {
        run.trace += "Y ";
        if (index > 500) qFatal("fightkit: the fight never ends");
        const QStringList now = at.values(index);
        for (auto action = now.rbegin(); action != now.rend(); ++action) act(*action);
    });
    combat().show();
    QTest::mouseClick(combat().Command2, Qt::LeftButton);
    appclock::setYieldHook({});
    appclock::setSpinWait([](double) {});
    if (!chance::scriptExhausted()) QTest::qFail("dice left undrawn", __FILE__, __LINE__);
    run.trace = run.trace.trimmed();
    return run;
}

// Compares the report line by line, then each "name=value" of `fields` (values may hold
// blanks: "rheros=Attaque reussie; radv=").
inline void check(const TestDriveC& drive, const QStringList& expected, const QString& fields,
                  const QString& file = "resultat.txt") {
    const QStringList lines = report(drive, file), wanted = expand(expected);
    for (qsizetype i = 0; i < std::max(lines.size(), wanted.size()); ++i)
        QCOMPARE(lines.value(i, "(missing)"), wanted.value(i, "(missing)"));
    for (const QString& field : fields.split(';', Qt::SkipEmptyParts))
        QCOMPARE(shown(field.section('=', 0, 0).trimmed()), field.section('=', 1));
}

} // namespace fightkit
