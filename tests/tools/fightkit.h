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
#include <QTest>

namespace fightkit {

// "name=value" words: hc, ha, hp, hpi1, hpi2, hpr, hev and exp go onto the hero sheet, which
// copies them into the window; the adversary straight into the window; then the options.
inline void setUp(const QString& overrides) {
    Perso& p = perso();
    Combat& c = combat();
    const QMap<QString, TextBox*> sheet{
        {"hc", p.courage},   {"ha", p.attaque},  {"hp", p.parade},         {"hpi1", p.pim1[1]},
        {"hpi2", p.pim2[1]}, {"hpr", p.prot[1]}, {"hev", p.energievitale}, {"exp", p.experience}};
    p.nom->setText("Aldo");
    for (const QString& word : ("hc=12 ha=12 hp=10 hpi1=1 hpi2=2 hpr=1 hev=20 acm=5 ac=10 aa=11 "
                                "ap=9 apr=1 api1=1 api2=1 aev=5 fichier=1 " +
                                overrides)
                                   .split(' ', Qt::SkipEmptyParts)) {
        const QString name = word.section('=', 0, 0), value = word.section('=', 1);
        if (name == "regles")
            c.menuextension->trigger();
        else if (name == "delai")
            c.findChild<OptionButton*>("pause" + value)->setValue(true);
        else if (name == "fichier")
            c.fichier->setValue(value == "1");
        else
            (sheet.contains(name) ? sheet[name] : c.findChild<TextBox*>(name))->setText(value);
    }
}

// What the user does at a yield.
inline void act(const QString& action) {
    Combat& c = combat();
    const QMap<QString, std::function<void()>> actions{
        {"Pause", [&] { QTest::mouseClick(c.arret, Qt::LeftButton); }},
        {"Continuer", [] { QTest::mouseClick(wpause().Command2, Qt::LeftButton); }},
        {"Fuir", [] { QTest::mouseClick(wpause().Command1, Qt::LeftButton); }},
        {"OK", [] { QTest::mouseClick(wfuite().Command1, Qt::LeftButton); }},
        {"close-wpause", [] { wpause().close(); }},
        {"close-wfuite", [] { wfuite().close(); }},
        {"close-combat", [&] { c.close(); }},
        {"untick", [&] { c.fichier->setValue(false); }},
        {"tick", [&] { c.fichier->setValue(true); }},
        {"2sec", [&] { c.menu2sec->trigger(); }},
        {"Combat", [&] { // another fight, however it is reached
             for (QPushButton* button : {c.Command2, c.Command7, c.Command8})
                 QTest::mouseClick(button, Qt::LeftButton);
             c.Command2_Click();
         }}};
    actions[action]();
}

// What a fight shows: a window shown or hidden, a field's text, a label's caption, a bar's
// value, a button's caption and state; with "?", whether a control shows in its window.
inline QString shown(QString name) {
    const bool seen = name.endsWith('?');
    name.chop(seen);
    if (name == "experience" || name == "energievitale")
        return perso().findChild<TextBox*>(name)->text();
    if (name == "fuite") return wfuite().windowTitle();
    if (name == "enpause") return shared::enpause ? "set" : "clear";
    for (QWidget* window : std::initializer_list<QWidget*>{&combat(), &wpause(), &wfuite()})
        if (window->objectName() == name) return window->isVisible() ? "shown" : "hidden";
    QWidget* control = combat().findChild<QWidget*>(name);
    if (!control) control = wfuite().findChild<QWidget*>(name);
    if (seen) return control->isVisibleTo(control->window()) ? "shown" : "hidden";
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* bar = qobject_cast<QProgressBar*>(control)) return QString::number(bar->value());
    auto* button = qobject_cast<QPushButton*>(control);
    return button->text() + (button->isEnabled() ? " on" : " off");
}

// Sets up, scripts the dice ("d20 5, d6 3"), clicks "C&ombat" and does the `actions` ("2:Pause
// 3:Continuer") at their yields. Returns the trace of the waits: "Y" for each yield, "W<s>" for
// each wait on the clock.
inline QString fight(const QString& setup, const QString& dice, const QString& actions = {}) {
    setUp(setup);
    std::vector<chance::Die> script;
    for (const QString& die : dice.split(", ", Qt::SkipEmptyParts))
        script.push_back({die.section(' ', 1).toInt(), die.section(' ', 0, 0).mid(1).toInt()});
    chance::scriptDice(script);
    QString trace;
    appclock::setSpinWait([&](double seconds) { trace += 'W' + QString::number(seconds) + ' '; });
    appclock::setYieldHook([&](int index) {
        trace += "Y ";
        if (index > 500) qFatal("fightkit: the fight never ends");
        for (const QString& word : actions.split(' '))
            if (word.section(':', 0, 0).toInt() == index) act(word.section(':', 1));
    });
    combat().show();
    QTest::mouseClick(combat().Command2, Qt::LeftButton);
    appclock::setYieldHook({});
    appclock::setSpinWait([](double) {});
    if (!chance::scriptExhausted()) QTest::qFail("dice left undrawn", __FILE__, __LINE__);
    return trace.trimmed();
}

// Compares the report line by line, each ended by CR LF in the 8-bit code page, with the
// expected lines, in which a "|" stands for the blanks up to the next print zone. Then each
// "name=value" of `fields`, split at ";".
inline void check(const TestDriveC& drive, QStringList expected, const QString& fields,
                  const QString& file = "resultat.txt") {
    const QByteArray bytes = drive.read(file);
    QVERIFY(bytes.isEmpty() || bytes.endsWith("\r\n"));
    const QStringList lines = cp1252::decode(bytes.chopped(bytes.isEmpty() ? 0 : 2)).split("\r\n");
    for (QString& line : expected)
        for (qsizetype at; (at = line.indexOf('|')) >= 0;)
            line.replace(at, 1, QString((at / 14 + 1) * 14 - at, ' '));
    for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i)
        QCOMPARE(lines.value(i, "(missing)"),
                 expected.value(i, bytes.isEmpty() ? "" : "(missing)"));
    for (const QString& field : fields.split(';', Qt::SkipEmptyParts))
        QCOMPARE(shown(field.section('=', 0, 0).trimmed()), field.section('=', 1));
}

} // namespace fightkit
