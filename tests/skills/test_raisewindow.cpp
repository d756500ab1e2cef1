// The "+" buttons through the real cost dialog: its texts and verdicts, its answers and close
// box, refusals, one raise at a time, and each button on its own row.
#include "common/messagebox.h"
#include "common/shared.h"
#include "skills/costtables.h"
#include "skills/purse.h"
#include "skills/raise.h"
#include "skills/sheetfixture.h"
#include "skills/skilltable.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

namespace {

// " Sixième sens": no minimum, no cap; a cavalier pays column 1.
const SkillId sixiemeSens{Group::Survie, 12};

QStringList allSkillValues(Attrib& a) {
    QStringList values;
    for (const SkillRow& row : skillRows())
        values << valueBox(a, row.id)->text();
    return values;
}

CommandButton* button(Attrib& a, const QString& name) {
    return a.findChild<CommandButton*>(name);
}

} // namespace

class TestRaiseWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        program = std::make_unique<FreshProgram>();
        sheet::loadHero(18, 12);
    }
    void cleanup() { program.reset(); }

    void dialogTexts() {
        Attrib& a = sheet::wiredAttrib();
        sheet::DialogAnswer answer(u"retour"_s);
        a.psu[12]->click();
        Coutpoint& d = coutpoint();
        QCOMPARE(d.objectName(), u"coutpoint"_s);
        QCOMPARE(d.windowTitle(), u"Evolution d'Aptitude"_s);
        QStringList captions;
        for (const QLabel* l : d.findChildren<QLabel*>())
            captions << l->text();
        QVERIFY(captions.contains(u"L'augmentation d'1 degré de cette aptitude vous  coutera :"_s));
        QVERIFY(captions.contains(u"points"_s));
        QVERIFY(captions.contains(u"pièces d'argent"_s));
        QCOMPARE(d.accepter->text(), u"Accepter"_s);
        QCOMPARE(d.refuser->text(), u"Refuser"_s);
        QCOMPARE(d.retour->text(), u"Retour"_s);
        QVERIFY(!d.isVisible());
    }

    // " Sixième sens" from 9 to 10 as a cavalier: 2 points and 100 silver.
    void verdictAndAnswer_data() {
        QTest::addColumn<QString>("points");
        QTest::addColumn<QStringList>("coins");
        QTest::addColumn<QString>("refus"); // empty: affordable
        QTest::addColumn<QString>("answer");
        const QStringList rich{u"10"_s, u"0"_s, u"0"_s, u"0"_s};
        const QStringList exact{u"9"_s, u"9"_s, u"9"_s, u"100"_s};
        const QStringList shortByOne{u"9"_s, u"9"_s, u"9"_s, u"99"_s};
        const QString noPoints = u"Vous n'avez pas suffisamment de points à répartir !"_s;
        const QString noMoney = u"Vous n'avez pas suffisamment d'argent !"_s;
        QTest::newRow("accepted") << "5" << rich << ""
                                  << "accepter";
        QTest::newRow("points and fortune just enough") << "2" << exact << ""
                                                        << "accepter";
        QTest::newRow("refused") << "5" << rich << ""
                                 << "refuser";
        QTest::newRow("close box on an affordable raise") << "5" << rich << ""
                                                          << "close";
        QTest::newRow("one point short") << "1" << rich << noPoints << "retour";
        QTest::newRow("one silver short") << "2" << shortByOne << noMoney << "retour";
        QTest::newRow("neither")
            << "" << QStringList{"", "", "", ""}
            << u"Vous n'avez pas suffisamment de points à répartir et d'argent !!"_s << "retour";
        QTest::newRow("close box on a refused raise") << "1" << rich << noPoints << "close";
        // Worth the price, but no number of gold pieces broken fills that silver to the coin.
        QTest::newRow("silver beyond the coin below zero")
            << "5" << QStringList{"1000000000000000000", "-5000000000000000000", "", ""}
            << noMoney << "retour";
        QTest::newRow("fifty million gold pieces broken")
            << "5" << QStringList{"50000010", "-500000000", "", ""} << ""
            << "accepter";
    }
    void verdictAndAnswer() {
        QFETCH(QString, points);
        QFETCH(QStringList, coins);
        QFETCH(QString, refus);
        QFETCH(QString, answer);
        Attrib& a = sheet::wiredAttrib();
        sheet::tick(HeroType::Cavalier);
        a.survie[12]->setText(u"9"_s);
        a.pointsarepartir->setText(points);
        sheet::setPurse(coins);

        sheet::DialogAnswer reply(answer);
        a.psu[12]->click();
        const sheet::DialogSeen& seen = reply.seen;
        QVERIFY(seen.shown);
        QCOMPARE(seen.points, u"2"_s);
        QCOMPARE(seen.prixpoints, u"100"_s);
        QCOMPARE(seen.refus, refus);
        const bool affordable = refus.isEmpty();
        QCOMPARE(seen.refusShown, !affordable);
        QVERIFY(seen.refusReadsWhole);
        QCOMPARE(seen.retourShown, !affordable);
        QCOMPARE(seen.accepterShown, affordable);
        QCOMPARE(seen.refuserShown, affordable);
        QVERIFY(!forms::isLoaded<Coutpoint>() || !coutpoint().isVisible());

        const bool raised = answer == u"accepter";
        QCOMPARE(shared::accepte, raised);
        QCOMPARE(a.survie[12]->text(), raised ? u"10"_s : u"9"_s);
        QCOMPARE(a.pointsarepartir->text(),
                 raised ? textnum::fmt(textnum::val(points) - 2) : points);
        const auto worth = [](const QStringList& c) {
            return fortune(*skills::Purse::fromTexts(c[0], c[1], c[2], c[3]));
        };
        if (raised)
            QVERIFY(worth(sheet::purseOf(purse::Sheet::Attrib)) == worth(coins) - 100);
        else
            QCOMPARE(sheet::purseOf(purse::Sheet::Attrib), coins);
        QVERIFY(program->messages.shown.empty());
    }

    void refusals_data() {
        QTest::addColumn<QString>("raise");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("characteristics");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message"); // empty: nothing happens at all
        const int guerrier = int(HeroType::Guerrier);
        QTest::newRow("18, minimums failed") << "pha1"
                                             << "18" << 5 << guerrier << "";
        QTest::newRow("19") << "pha1"
                            << "19" << 18 << guerrier << "";
        QTest::newRow("negative") << "psu12"
                                  << "-3" << 18 << guerrier << "";
        QTest::newRow("minimum")
            << "pha1"
            << "4" << 10 << guerrier
            << u"Valeurs minimum d'augmentation : Adresse = 11 ; Force = 12."_s;
        QTest::newRow("cap by adresse")
            << "pha7"
            << "13" << 13 << guerrier
            << u"La valeur de cette aptitude ne peut pas dépasser l'Adresse."_s;
        QTest::newRow("reserved to priests")
            << "pso2"
            << "3" << 18 << guerrier << u"Aptitude réservée aux prêtres."_s;
    }
    void refusals() {
        QFETCH(QString, raise);
        QFETCH(QString, value);
        QFETCH(int, characteristics);
        QFETCH(int, type);
        QFETCH(QString, message);
        Attrib& a = sheet::wiredAttrib();
        sheet::loadHero(characteristics, characteristics);
        sheet::tick(HeroType(type));
        for (const SkillRow& row : skillRows())
            valueBox(a, row.id)->setText(value);
        a.pointsarepartir->setText(u"100"_s);
        sheet::setPurse({u"100"_s, u""_s, u""_s, u""_s});
        const QStringList before = allSkillValues(a);

        button(a, raise)->click();
        QVERIFY(!forms::isLoaded<Coutpoint>());
        QCOMPARE(allSkillValues(a), before);
        QCOMPARE(a.pointsarepartir->text(), u"100"_s);
        if (message.isEmpty()) {
            QVERIFY(program->messages.shown.empty());
            return;
        }
        QCOMPARE(program->messages.count(), 1);
        QCOMPARE(program->messages.last().text, message);
        QCOMPARE(program->messages.last().icon, MsgIcon::Critical);
        QCOMPARE(program->messages.last().title, QString());
        QCOMPARE(program->messages.last().buttons, MsgButtons::Ok);
    }

    // A second "+" while the dialog waits does nothing; the first raise pays once.
    void oneRaiseAtATime_data() {
        QTest::addColumn<QString>("second");
        QTest::newRow("same row") << "psu12";
        QTest::newRow("another row") << "psu11";
    }
    void oneRaiseAtATime() {
        QFETCH(QString, second);
        Attrib& a = sheet::wiredAttrib();
        sheet::tick(HeroType::Cavalier);
        a.survie[12]->setText(u"2"_s); // to 3: 1 point, 10 silver
        a.pointsarepartir->setText(u"10"_s);
        sheet::setPurse({u"5"_s, u"0"_s, u"0"_s, u"0"_s});
        const QStringList before = allSkillValues(a);
        QString captionsDuring;

        sheet::DialogAnswer reply(u"accepter"_s, [&] {
            button(a, second)->click();
            captionsDuring =
                coutpoint().points->caption() + u"/"_s + coutpoint().prixpoints->caption();
        });
        a.psu[12]->click();
        QCOMPARE(captionsDuring, u"1/10"_s);
        QStringList after = before;
        after[int(skillRows().size()) - 2] = u"3"_s; // survie12
        QCOMPARE(allSkillValues(a), after);
        QCOMPARE(a.pointsarepartir->text(), u"9"_s);
        QCOMPARE(sheet::purseOf(purse::Sheet::Attrib),
                 (QStringList{u"4"_s, u"0"_s, u"0"_s, u"0"_s}));
        QCOMPARE(coutpoint().prixpoints->caption(), u"0"_s);
    }

    // After the close box the next raise gets a dialog of its own, and is paid even when the
    // user switches to another sheet before answering.
    void closeBoxThenRaiseAgain() {
        Attrib& a = sheet::wiredAttrib();
        sheet::tick(HeroType::Cavalier);
        a.pointsarepartir->setText(u"10"_s);
        sheet::setPurse({u"5"_s, u"0"_s, u"0"_s, u"0"_s});
        {
            sheet::DialogAnswer close(u"close"_s);
            a.psu[12]->click();
            QVERIFY(close.seen.shown);
        }
        QVERIFY(!forms::isLoaded<Coutpoint>());
        QCOMPARE(a.survie[12]->text(), QString());
        a.show();
        sheet::DialogAnswer accept(u"accepter"_s, [&] { a.Equipement->click(); });
        a.psu[12]->click();
        QVERIFY(accept.seen.shown);
        QVERIFY(!a.isVisible());
        QCOMPARE(a.survie[12]->text(), u"1"_s);
        QCOMPARE(a.pointsarepartir->text(), u"9"_s);
    }

    // Each "+" raises its own row and no other; a priest may raise every skill.
    void eachRaiseButtonRaisesItsOwnRow() {
        Attrib& a = sheet::wiredAttrib();
        sheet::tick(HeroType::Pretre, u"Kerem"_s);
        a.pointsarepartir->setText(u"1000"_s);
        sheet::setPurse({u"1000"_s, u"0"_s, u"0"_s, u"0"_s});
        for (const SkillRow& row : skillRows()) {
            if (const auto capping = cappingSkill(row)) valueBox(a, *capping)->setText(u"10"_s);
            valueBox(a, row.id)->setText(QString());
            QStringList expected = allSkillValues(a);
            expected[&row - skillRows().data()] = u"1"_s;
            sheet::DialogAnswer accept(u"accepter"_s);
            raiseButton(a, row.id)->click();
            QVERIFY2(accept.seen.shown, qPrintable(row.raiseButton()));
            QCOMPARE(allSkillValues(a), expected);
        }
    }

    // The options and the deity of the hero sheet pick the cost column of every skill.
    void costColumnFromTheHeroSheet() {
        Attrib& a = sheet::wiredAttrib();
        auto offered = [&](const SkillRow& row) {
            if (const auto capping = cappingSkill(row)) valueBox(a, *capping)->setText(u"18"_s);
            valueBox(a, row.id)->setText(u"17"_s);
            sheet::DialogAnswer refuse(u"refuser"_s);
            raiseButton(a, row.id)->click();
            return refuse.seen.prixpoints;
        };
        auto price = [](int category) { return textnum::fmt(tableprix[category][18]); };
        for (int t = 0; t < heroTypeCount; ++t) {
            if (HeroType(t) == HeroType::Pretre) continue;
            sheet::tick(HeroType(t));
            for (const SkillRow& row : skillRows()) {
                if (row.reservation) continue;
                QCOMPARE(offered(row), price(row.typeCategories[t]));
            }
        }
        for (int deity = 0; deity < deityCount; ++deity) {
            sheet::tick(HeroType::Pretre, deities()[deity]);
            for (const SkillRow& row : skillRows())
                QCOMPARE(offered(row), price(row.deityCategories[deity]));
        }
        sheet::tick(HeroType::Pretre, u"nobody"_s);
        QCOMPARE(offered(skillRow(sixiemeSens)), price(3));
    }

private:
    std::unique_ptr<FreshProgram> program;
    TestDriveC drive;
};

QTEST_MAIN(TestRaiseWindow)
#include "test_raisewindow.moc"
