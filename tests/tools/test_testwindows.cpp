// The characteristic tests, the ranged shot and the dice roller, driven by their controls.
#include "common/chance.h"
#include "hero/effacefiche.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"
#include "tools/des.h"
#include "tools/epreuves.h"
#include "tools/tir_dist.h"

#include <QTest>

namespace {

// The random number that makes a die of that many faces show `roll`.
double rollOf(int roll, int faces = 20) {
    return (roll - 0.5) / faces;
}

void trigger(const QString& entry, QMainWindow& sheet = perso()) {
    sheet.findChild<MenuEntry*>(entry)->trigger();
}

Form& toolWindow(const QString& entry) {
    if (entry == "menudes") return des();
    if (entry == "menuepreuves") return epreuves();
    return tir_dist();
}

const QString reussie = QStringLiteral("Réussie !"), ratee = QStringLiteral("Ratée !");

struct RowTest {
    int row;
    QString value, modifier;
    int roll;
    QString verdict;
};
struct Shot {
    QString adresse, difficulty, skill;
    int roll;
    QString verdict;
};
struct Dice {
    QString count, button;
    QList<int> rolls;
    QString after; // nb, then resultat
};

} // namespace
Q_DECLARE_METATYPE(RowTest)
Q_DECLARE_METATYPE(Shot)
Q_DECLARE_METATYPE(Dice)

class TestTestWindows : public QObject {
    Q_OBJECT
    TestDriveC drive;
    std::unique_ptr<FreshProgram> program;

private slots:
    void init() {
        program = std::make_unique<FreshProgram>();
        perso(); // its start-up prepares the test and shot windows
    }
    void cleanup() {
        QVERIFY(chance::scriptExhausted());
        program.reset();
    }

    // Only the ticked row is tested, on its own value and modifier: the other rows hold ones
    // that would turn the verdict round.
    void testRule_data() {
        QTest::addColumn<RowTest>("t");
        QTest::newRow("19 fails at 20-10") << RowTest{1, "20", "-10", 19, ratee};
        QTest::newRow("20 fails at 20-10") << RowTest{2, "20", "-10", 20, ratee};
        QTest::newRow("1 succeeds at 1+10") << RowTest{3, "1", "+10", 1, reussie};
        QTest::newRow("at the value") << RowTest{4, "12", "", 12, reussie};
        QTest::newRow("force, a half modifier") << RowTest{5, "12", ".5", 12, ratee};
        QTest::newRow("attack, modifier within") << RowTest{6, "12", "+3", 9, reussie};
        QTest::newRow("parry, modifier over") << RowTest{7, "12", "+3", 10, ratee};
        QTest::newRow("endurance, negative") << RowTest{8, "5", "-3", 8, reussie};
    }
    void testRule() {
        QFETCH(RowTest, t);
        Epreuves& e = epreuves();
        const bool success = t.verdict == reussie;
        for (int n = 1; n <= 8; ++n) {
            e.valeur[n]->setText(n == t.row ? t.value : (success ? "1" : "30"));
            e.fact[n]->setText(n == t.row ? t.modifier : (success ? "+10" : "-10"));
            e.resultats[n]->setCaption("x");
        }
        e.Check[t.row]->click();
        chance::script({rollOf(t.roll)});
        e.lancer->click();
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(e.resultats[n]->caption(), n == t.row ? t.verdict : "");
        QCOMPARE(e.tirage->caption(), QString::number(t.roll));
    }

    // By check box number, endurance after attack; an empty value box draws nothing. Then the
    // row buttons, "E&ffacement" and the parry result label.
    void testWindow() {
        Epreuves& e = epreuves();
        for (CommandButton* row : {e.charisme, e.attaque, e.endurance})
            row->click();
        e.at->setText("10");
        e.endu->setText("10");
        chance::script({rollOf(4), rollOf(15)});
        e.lancer->click();
        QCOMPARE(e.tirage->caption(), "15");
        QCOMPARE(QStringList({e.resultats[3]->caption(), e.resultats[6]->caption(),
                              e.resultats[8]->caption()}),
                 QStringList({"", reussie, ratee}));

        e.endurance->click();
        QVERIFY(!e.Check[8]->value() && e.Check[6]->value());
        e.fact[4]->setText("-2");
        e.Efface->click();
        QCOMPARE(e.at->text(), "10");
        for (int n = 1; n <= 8; ++n)
            QVERIFY(!e.Check[n]->value() && (e.fact[n]->text() + e.resultats[n]->caption()) == "");
        QCOMPARE(e.tirage->caption(), "");

        e.tirage->setCaption("7");
        for (bool hidden : {false, true}) {
            QTest::mouseClick(e.resultats[7], Qt::LeftButton);
            QCOMPARE(e.tirage->isHidden(), hidden);
        }
        QCOMPARE(e.tirage->caption(), "7");
    }

    // One d20 per shot, drawn even when the shot cannot be tested.
    void shotRule_data() {
        QTest::addColumn<Shot>("shot");
        QTest::newRow("within") << Shot{"12", "+4", "10", 8, reussie};
        QTest::newRow("over") << Shot{"12", "+4", "10", 9, ratee};
        QTest::newRow("1 may miss") << Shot{"3", "+4", "10", 1, ratee};
        QTest::newRow("20 may hit") << Shot{"30", "0", "10", 20, reussie};
        QTest::newRow("no skill: +9") << Shot{"14", "0", "", 6, ratee};
        QTest::newRow("skill 8: +1") << Shot{"10", "0", "8", 9, reussie};
        QTest::newRow("skill 14: -3") << Shot{"10", "0", "14", 13, reussie};
        QTest::newRow("skill 7.5: +2") << Shot{"10", "0", "7.5", 9, ratee};
        QTest::newRow("skill 8.5: 0") << Shot{"10", "0", "8.5", 10, reussie};
        QTest::newRow("typed -2") << Shot{"10", "-2", "10", 12, reussie};
        QTest::newRow("typed hp is 0") << Shot{"10", "hp", "10", 11, ratee};
        QTest::newRow("HP stops") << Shot{"30", "HP", "10", 1, ""};
        QTest::newRow("no adresse stops") << Shot{"", "0", "10", 1, ""};
    }
    void shotRule() {
        QFETCH(Shot, shot);
        TirDist& t = tir_dist();
        t.adresse->setText(shot.adresse);
        t.valeur->setText(shot.difficulty);
        attrib().habilete[2]->setText(shot.skill);
        t.resultat->setCaption(ratee);
        chance::script({rollOf(shot.roll)});
        t.epreuve->click();
        QCOMPARE(t.resultat->caption(), shot.verdict);
    }

    // A cell is written once all three lists are chosen; "RAZ" brings the last one back across
    // `inittir` and a cleared hero, not across a reopening.
    void shotWindow() {
        TirDist& t = tir_dist();
        QStringList shown;
        for (int i = 0; i < t.arme->listCount(); ++i)
            shown << t.arme->list(i);
        QCOMPARE(shown, QString("Arbalète,Arc,Boomerang,Caillou,Fronde,Grand Arc,Hache de jet,"
                                "Javelot,Poignard,Sarbacane")
                            .split(','));
        pickFromList(t.arme, 5);  // Grand Arc
        pickFromList(t.cible, 0); // Très petite
        QVERIFY(t.valeur->text().isEmpty() && t.stock->caption().isEmpty());
        pickFromList(t.distance, 4); // Très loin
        QCOMPARE(t.valeur->text(), "+10");
        pickFromList(t.arme, 0); // Arbalète
        QCOMPARE(t.stock->caption(), "+8");

        t.valeur->setText("-2");
        inittir();
        QVERIFY(t.arme->text().isEmpty() && t.valeur->text().isEmpty());
        QCOMPARE(t.distance->listCount(), 5);
        t.raz->click();
        QCOMPARE(t.valeur->text(), "+8");

        pickFromList(t.arme, 0);
        t.adresse->setText("12");
        t.resultat->setCaption(reussie);
        effacefiche();
        QCOMPARE(t.adresse->text() + t.valeur->text() + t.resultat->caption(), "");
        QCOMPARE(t.arme->text() + t.stock->caption(), "Arbalète+8");

        t.close();
        trigger("menutir");
        tir_dist().raz->click();
        QVERIFY(tir_dist().valeur->text().isEmpty());
    }

    void diceRoller_data() {
        QTest::addColumn<Dice>("dice");
        QTest::newRow("empty") << Dice{"", "d6", {}, "/"};
        QTest::newRow("zero") << Dice{"0", "d10", {}, "0/0"};
        QTest::newRow("negative") << Dice{"-3", "d20", {}, "-3/0"};
        QTest::newRow("2.5 is 2") << Dice{"2.5", "d6", {6, 6}, "2.5/12"};
        QTest::newRow("3d6 high") << Dice{"3", "d6", {6, 6, 6}, "3/18"};
        QTest::newRow("3d10 low") << Dice{"3", "d10", {1, 1, 1}, "3/3"};
        QTest::newRow("3d20 high") << Dice{"3", "d20", {20, 20, 20}, "3/60"};
        QTest::newRow("empty +") << Dice{"", "plus", {}, "1/7"};
        QTest::newRow("99 +") << Dice{"99", "plus", {}, "100/7"};
        QTest::newRow("empty -") << Dice{"", "moins", {}, "/7"};
        QTest::newRow("1 -") << Dice{"1", "moins", {}, "1/7"};
        QTest::newRow("2 -") << Dice{"2", "moins", {}, "1/7"};
    }
    void diceRoller() {
        QFETCH(Dice, dice);
        Des& d = des();
        d.nb->setText(dice.count);
        d.resultat->setText("7");
        std::vector<double> script;
        for (int roll : dice.rolls)
            script.push_back(rollOf(roll, dice.button.mid(1).toInt()));
        chance::script(script);
        d.findChild<CommandButton*>(dice.button)->click();
        QCOMPARE(d.nb->text() + "/" + d.resultat->text(), dice.after);
    }

    // The hero sheet checks for a priest's deity before the dice and the tests, not the shot;
    // the other sheets never do. The tests and the shot open on the hero's current values.
    void entries_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("fromPerso");
        QTest::addColumn<bool>("refused");
        QTest::newRow("dice") << "menudes" << true << true;
        QTest::newRow("tests") << "menuepreuves" << true << true;
        QTest::newRow("shot") << "menutir" << true << false;
        QTest::newRow("tests, skills sheet") << "menuepreuves" << false << false;
    }
    void entries() {
        QFETCH(QString, entry);
        QFETCH(bool, fromPerso);
        QFETCH(bool, refused);
        Perso& p = perso();
        p.malus[1]->setText("1"); // taken off adresse, which is written afterwards
        p.malus[2]->setText("2");
        const QStringList values{"adresse",      "9",  "courage",   "0",  "intelligence", "11",
                                 "force",        "13", "endurance", "40", "attaque",      "10",
                                 "bonusparade",  "1",  "attaque1",  "-2", "parade",       "8",
                                 "bonusparade2", "-8"};
        for (int i = 0; i < values.size(); i += 2)
            p.findChild<TextBox*>(values[i])->setText(values[i + 1]);
        p.pretre->setChecked(true);
        epreuves().co->setText("x");
        tir_dist().adresse->setText("x");

        trigger(entry, fromPerso ? static_cast<QMainWindow&>(p) : attrib());
        QCOMPARE(toolWindow(entry).isVisible(), !refused);
        QCOMPARE(program->messages.texts(),
                 refused ? QStringList{"Un prêtre doit choisir une dévotion."} : QStringList{});
        if (refused) QCOMPARE(program->messages.last().title, "");
        Epreuves& e = epreuves();
        const QStringList copied{e.co->text(), e.inte->text(), e.ch->text(),
                                 e.ad->text(), e.fo->text(),   e.at->text(),
                                 e.pa->text(), e.endu->text(), tir_dist().adresse->text()};
        if (entry != "menudes")
            QCOMPARE(copied.join(','), refused ? "x,11,,12,13,11,,40,x" : "0,11,,12,13,11,,40,9");
        effacefiche();
        QCOMPARE(e.co->text() + e.ad->text() + e.at->text() + tir_dist().adresse->text(), "");
    }

    // Each window writes its own two lines when it closes and opens there again, as new.
    void closeAndReopen_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("line"); // of its top, counted from 1
        QTest::newRow("Dés") << "menudes" << 4;
        QTest::newRow("epreuves") << "menuepreuves" << 6;
        QTest::newRow("tir_dist") << "menutir" << 8;
    }
    void closeAndReopen() {
        QFETCH(QString, entry);
        QFETCH(int, line);
        trigger(entry);
        toolWindow(entry).moveTwips(1500, 900);
        des().nb->setText("5");
        epreuves().Check[2]->setValue(true);
        epreuves().tirage->show();
        tir_dist().stock->setCaption("+3");
        toolWindow(entry).close();

        const QList<QByteArray> lines = drive.read("ambrefer.ini").split('\n');
        QCOMPARE(lines.mid(line - 1, 2), (QList<QByteArray>{"900\r", "1500\r"}));
        trigger(entry);
        Form& window = toolWindow(entry);
        QVERIFY(window.isVisible() && window.leftTwips() == 1500 && window.topTwips() == 900);
        QCOMPARE(des().nb->text() == "1", entry == "menudes");
        QCOMPARE(epreuves().tirage->isHidden(), entry == "menuepreuves");
        QCOMPARE(epreuves().Check[2]->value(), entry != "menuepreuves");
        QCOMPARE(tir_dist().stock->caption().isEmpty(), entry == "menutir");
    }
};

QTEST_MAIN(TestTestWindows)
#include "test_testwindows.moc"
