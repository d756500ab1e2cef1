// The raise procedure's own rules, beyond any one row: which values are left alone, how a
// new value is rounded, the order of the refusals and how the hero type picks the column.
#include "skills/costtables.h"
#include "skills/raise.h"
#include "skills/skilltable.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

namespace {

const SkillRow& combatMainsNues() {
    return skillRow({Group::Habilete, 1});
}
const SkillRow& agiliteManuelle() {
    return skillRow({Group::Habilete, 7});
}
const SkillRow& conversion() {
    return skillRow({Group::Sociabilite, 2});
}
const SkillRow& marchandage() {
    return skillRow({Group::Sociabilite, 12});
}
const SkillRow& reparerArmes() {
    return skillRow({Group::Science, 9});
}
const SkillRow& sixiemeSens() {
    return skillRow({Group::Survie, 12});
}

HeroFields hero(int intelligence, int adresse, int force = 10, int charisme = 10,
                int courage = 10) {
    return {.intelligence = QString::number(intelligence),
            .adresse = QString::number(adresse),
            .force = QString::number(force),
            .charisme = QString::number(charisme),
            .courage = QString::number(courage)};
}

HeroFields ticked(std::initializer_list<HeroType> types, const QString& devotion = {}) {
    HeroFields h = hero(15, 15, 15, 15, 15);
    for (auto t : types)
        h.tick(t);
    h.devotion = devotion;
    return h;
}

} // namespace

class TestRaise : public QObject {
    Q_OBJECT
  private slots:
    // " Sixième sens" has no minimum and no cap, and nothing ticked pays column 3.
    void valueAndNewValue_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("newValue"); // 0: nothing happens
        QTest::newRow("empty box") << "" << 1;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("letters") << "abc" << 1;
        QTest::newRow("17 reaches 18") << "17" << 18;
        QTest::newRow("18 is the maximum") << "18" << 0;
        QTest::newRow("18 with letters") << "18 ans" << 0;
        QTest::newRow("19") << "19" << 0;
        QTest::newRow("huge") << "99999999999999999999999" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("just below zero") << "-0.2" << 0;
        QTest::newRow("12.5 halves to even") << "12.5" << 14;
        QTest::newRow("11.5 halves to even") << "11.5" << 12;
        QTest::newRow("12.4") << "12.4" << 13;
        QTest::newRow("17.4 still reaches 18") << "17.4" << 18;
        QTest::newRow("17.5 halves to 18") << "17.5" << 18;
        QTest::newRow("17.6 would pass 18") << "17.6" << 0;
    }
    void valueAndNewValue() {
        QFETCH(QString, value);
        QFETCH(int, newValue);
        const auto decision = decideRaise(sixiemeSens(), value, HeroFields{});
        if (newValue == 0) {
            QCOMPARE(decision.outcome, RaiseOutcome::Ignored);
            QVERIFY(decision.message.isEmpty());
            return;
        }
        QCOMPARE(decision.outcome, RaiseOutcome::Offered);
        QCOMPARE(decision.newValue, newValue);
        QCOMPARE(decision.column, 3);
        QCOMPARE(decision.cost.points, tablepoints[3][newValue]);
        QCOMPARE(decision.cost.price, tableprix[3][newValue]);
    }

    void refusalOrder_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("capping");
        QTest::addColumn<HeroFields>("hero");
        QTest::addColumn<QString>("message"); // empty: offered; "-": ignored

        const QString conversionMin = u"Valeurs minimum d'augmentation : Intelligence = 10."_s;
        const QString reserved = u"Aptitude réservée aux prêtres."_s;
        HeroFields lowGuerrier = hero(5, 5);
        lowGuerrier.tick(HeroType::Guerrier);
        HeroFields lowPriest = hero(9, 5);
        lowPriest.tick(HeroType::Pretre);
        const int soc = int(Group::Sociabilite), hab = int(Group::Habilete);

        QTest::newRow("18 before the reservation") << soc << 2 << "18"
                                                   << "" << lowGuerrier << "-";
        QTest::newRow("reservation before minimums") << soc << 2 << "3"
                                                     << "" << lowGuerrier << reserved;
        QTest::newRow("priest then minimums") << soc << 2 << "3"
                                              << "" << lowPriest << conversionMin;
        QTest::newRow("18 before minimums") << hab << 1 << "18"
                                            << "" << HeroFields{} << "-";
        QTest::newRow("no hero: minimums")
            << hab << 1 << "0"
            << "" << HeroFields{}
            << u"Valeurs minimum d'augmentation : Adresse = 11 ; Force = 12."_s;
        QTest::newRow("adresse 10 force 15")
            << hab << 1 << "0"
            << "" << hero(10, 10, 15)
            << u"Valeurs minimum d'augmentation : Adresse = 11 ; Force = 12."_s;
        QTest::newRow("adresse 11 force 12") << hab << 1 << "0"
                                             << "" << hero(10, 11, 12) << "";
        QTest::newRow("minimums before the cap")
            << int(Group::Science) << 9 << "5"
            << "0" << hero(10, 12)
            << u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 12."_s;
        QTest::newRow("empty capping skill caps at 0")
            << soc << 12 << ""
            << "" << hero(10, 10)
            << u"L'Aptitude Marchandage ne peut pas être supérieure à Estimation."_s;
        QTest::newRow("estimation 5, marchandage 4") << soc << 12 << "4"
                                                     << "5" << hero(10, 10) << "";
        QTest::newRow("18 ignores a lower cap") << soc << 12 << "18"
                                                << "3" << hero(10, 10) << "-";
        // " Agilité manuelle" needs Adresse 13 and is capped by it.
        QTest::newRow("agilité: adresse 12 fails the minimum, not the cap")
            << hab << 7 << "12"
            << "" << hero(11, 12)
            << u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 13."_s;
        QTest::newRow("agilité: 12 raises to adresse 13") << hab << 7 << "12"
                                                          << "" << hero(11, 13) << "";
        QTest::newRow("agilité: 13 meets adresse 13")
            << hab << 7 << "13"
            << "" << hero(11, 13)
            << u"La valeur de cette aptitude ne peut pas dépasser l'Adresse."_s;
        QTest::newRow("cap by a characteristic ignores the capping argument")
            << hab << 7 << "13"
            << "18" << hero(11, 13)
            << u"La valeur de cette aptitude ne peut pas dépasser l'Adresse."_s;
    }
    void refusalOrder() {
        QFETCH(int, group);
        QFETCH(int, row);
        QFETCH(QString, value);
        QFETCH(QString, capping);
        QFETCH(HeroFields, hero);
        QFETCH(QString, message);
        const auto decision = decideRaise(skillRow({Group(group), row}), value, hero, capping);
        if (message == u"-") {
            QCOMPARE(decision.outcome, RaiseOutcome::Ignored);
        } else if (message.isEmpty()) {
            QCOMPARE(decision.outcome, RaiseOutcome::Offered);
            QCOMPARE(decision.newValue, value.toInt() + 1);
        } else {
            QCOMPARE(decision.outcome, RaiseOutcome::Refused);
            QCOMPARE(decision.message, message);
        }
    }

    // Several options ticked: the fixed order decides, and a priest of no known deity sets
    // nothing. " Combat à mains nues": aventurier 3, guerrier 1, autrerace 2, Belkar 1.
    void heroTypeOrder_data() {
        QTest::addColumn<HeroFields>("hero");
        QTest::addColumn<int>("valeurapt");
        QTest::addColumn<int>("column");
        using enum HeroType;
        QTest::newRow("none ticked") << ticked({}) << 0 << 3;
        QTest::newRow("aventurier") << ticked({Aventurier}) << 3 << 3;
        QTest::newRow("aventurier then guerrier") << ticked({Aventurier, Guerrier}) << 1 << 1;
        QTest::newRow("guerrier then autrerace") << ticked({Guerrier, AutreRace}) << 2 << 2;
        QTest::newRow("aventurier then priest of Belkar")
            << ticked({Aventurier, Pretre}, u"Belkar"_s) << 1 << 1;
        QTest::newRow("aventurier then priest of belkar")
            << ticked({Aventurier, Pretre}, u"belkar"_s) << 3 << 3;
        QTest::newRow("priest of Belkar then autrerace")
            << ticked({Pretre, AutreRace}, u"Belkar"_s) << 2 << 2;
        QTest::newRow("blank before the deity") << ticked({Pretre}, u" Belkar"_s) << 0 << 3;
        QTest::newRow("blank after the deity") << ticked({Pretre}, u"Belkar "_s) << 0 << 3;
        QTest::newRow("deity without a priest") << ticked({}, u"Belkar"_s) << 0 << 3;
    }
    void heroTypeOrder() {
        QFETCH(HeroFields, hero);
        QFETCH(int, valeurapt);
        QFETCH(int, column);
        QCOMPARE(costCategory(combatMainsNues(), hero), valeurapt);
        const auto decision = decideRaise(combatMainsNues(), u"9", hero);
        QCOMPARE(decision.column, column);
        QCOMPARE(decision.cost.points, tablepoints[column][10]);
        QCOMPARE(decision.cost.price, tableprix[column][10]);
    }

    // The priests' skill looks at the priest option alone, whatever else is ticked.
    void priestsSkillIgnoresOtherTypes() {
        using enum HeroType;
        QCOMPARE(decideRaise(conversion(), u"0", ticked({Pretre, AutreRace}, u"Kerem"_s)).column,
                 1);
        QCOMPARE(decideRaise(conversion(), u"0", ticked({Guerrier, Pretre})).column, 3);
        QCOMPARE(decideRaise(conversion(), u"0", ticked({Pretre, Cavalier})).column, 3);
        QCOMPARE(decideRaise(conversion(), u"0", ticked({Cavalier})).outcome,
                 RaiseOutcome::Refused);
    }

    void capSources() {
        QCOMPARE(cappingSkill(marchandage()), (SkillId{Group::Sociabilite, 11}));
        QCOMPARE(cappingSkill(reparerArmes()), (SkillId{Group::Science, 8}));
        QVERIFY(!cappingSkill(agiliteManuelle())); // capped by `perso.adresse`
        QVERIFY(!cappingSkill(sixiemeSens()));
    }
};

QTEST_APPLESS_MAIN(TestRaise)
#include "test_raise.moc"
