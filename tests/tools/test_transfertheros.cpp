// The copy of the hero into the combat window, and every change on the sheets that makes it.
#include "hero/sheet.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/chance.h"
#include "tools/combat.h"

using Fields = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Fields)

namespace {

const QStringList heroSide{"combatheros", "hc", "hev", "ha", "hp", "hpi1", "hpi2", "hpr"};

QStringList combatHeroSide() {
    QStringList shown;
    for (const QString& name : heroSide) shown << on(combat(), name)->text();
    return shown;
}

} // namespace

class TestTransfertheros : public QObject {
    Q_OBJECT
    TestDriveC drive;

private slots:
    void copy_data() {
        QTest::addColumn<Fields>("hero");
        QTest::addColumn<QStringList>("expected"); // in the order of heroSide
        QTest::newRow("no hero") << Fields{} << QStringList{"", "", "", "", "", "", "", ""};
        QTest::newRow("sums") << Fields{{"nom", "Arn"}, {"courage", "12"}, {"energievitale", "30"},
                                        {"attaque", "10"}, {"bonusparade", "1"}, {"attaque1", "-2"},
                                        {"parade", "8"}, {"bonusparade2", "2"}, {"parade1", "1"},
                                        {"pim11", "2"}, {"pim21", "3"}, {"bonusattaque", "1"},
                                        {"prot1", "2"}, {"prot3", "1"}}
                              << QStringList{"Arn", "12", "30", "9", "11", "2", "4", "3"};
        QTest::newRow("zeros") << Fields{{"courage", "0"}, {"energievitale", "0"}, {"pim11", "0"},
                                         {"attaque", "2"}, {"bonusparade", "-2"}, {"pim21", "0"},
                                         {"prot2", "0"}}
                               << QStringList{"", "0", "0", "", "", "", "", ""};
        QTest::newRow("fractions and -0")
            << Fields{{"attaque", "10"}, {"bonusparade", "0.5"}, {"parade", "-0"},
                      {"pim21", "2,5"}, {"bonusattaque", "0.25"}, {"courage", "Mort"}}
            << QStringList{"", "Mort", "", "10.5", "", "", "2.25", ""};
    }
    void copy() {
        QFETCH(Fields, hero);
        QFETCH(QStringList, expected);
        FreshProgram fresh;
        for (const auto& [name, text] : hero) write(name, text);
        QCOMPARE(combatHeroSide(), expected);
        QVERIFY(!combat().isVisible());
    }

    // The life energy a fight writes goes to the sheet and comes back without a second round.
    void lifeEnergyRoundTrip() {
        FreshProgram fresh;
        write("evinitiale", "20");
        write("energievitale", "18");
        combat().hev->setText("25");
        QCOMPARE(read("energievitale"), QStringLiteral("25"));
        QCOMPARE(combat().hev->text(), QStringLiteral("25"));
        QCOMPARE(fresh.messages.texts(),
                 QStringList{"L'énergie vitale ne peut pas dépasser sa valeur initiale."});
    }

    void callers_data() {
        QTest::addColumn<QString>("caller");
        QTest::addColumn<QString>("text");
        for (const char* field :
             {"courage", "intelligence", "charisme", "adresse", "force", "endurance",
              "energievitale", "attaque", "parade", "pim11", "pim21", "prot1", "prot2", "prot3",
              "malus1", "malus2", "malus3", "attaque1", "parade1", "bonusattaque", "bonusparade",
              "bonusparade2"})
            QTest::newRow(field) << field << "3";
        for (const char* type : {"aventurier", "guerrier", "nain", "magicien", "elfe", "elfebois",
                                 "cavalier", "druide", "pretre", "autrerace"})
            QTest::newRow(type) << type << "";
        QTest::newRow("roll") << "menutirage" << "";
        QTest::newRow("saved hero") << "nom" << "";
    }
    void callers() {
        QFETCH(QString, caller);
        QFETCH(QString, text);
        FreshProgram fresh;
        write("nom", "Arn");
        write("adresse", "12");
        perso().sauvegarde->trigger();
        QCOMPARE(fresh.messages.count(), 0);
        // A copy that does not run leaves this behind.
        combat().combatheros->setText("x");

        if (!text.isEmpty()) {
            write(caller, text);
        } else if (auto* type = perso().findChild<OptionButton*>(caller)) {
            type->click();
        } else if (caller == "menutirage") {
            chance::script({0, 0, 0, 0, 0});
            perso().menutirage->trigger();
        } else {
            pickFromList(perso().nom, perso().nom->findText("Arn"));
        }
        QCOMPARE(combat().combatheros->text(), QStringLiteral("Arn"));
        QCOMPARE(combat().hc->text(), read("courage"));
    }

    // "Nouveau" leaves no value of the old hero in the combat, its name included.
    void clearedHero() {
        FreshProgram fresh;
        for (const auto& [name, text] : Fields{{"nom", "Arn"}, {"courage", "12"}, {"attaque", "9"},
                                               {"energievitale", "30"}, {"prot1", "2"}})
            write(name, text);
        perso().menunouveau->trigger();
        QCOMPARE(combatHeroSide(), QStringList(heroSide.size(), QString()));
    }

    void combatEntry_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("priestWithoutDeity");
        QTest::addColumn<bool>("opens");
        QTest::newRow("perso") << "perso" << false << true;
        QTest::newRow("attrib") << "attrib" << false << true;
        QTest::newRow("equip") << "equip" << false << true;
        QTest::newRow("perso, priest") << "perso" << true << false;
        QTest::newRow("attrib, priest") << "attrib" << true << true;
        QTest::newRow("equip, priest") << "equip" << true << true;
    }
    void combatEntry() {
        QFETCH(QString, sheet);
        QFETCH(bool, priestWithoutDeity);
        QFETCH(bool, opens);
        FreshProgram fresh;
        write("nom", "Arn");
        if (priestWithoutDeity) perso().pretre->click();
        Combat& c = combat();
        c.pause2->click();
        c.fichier->click();
        c.combatheros->setText("x");

        QMainWindow& from = sheet == "attrib" ? static_cast<QMainWindow&>(attrib())
                            : sheet == "equip" ? static_cast<QMainWindow&>(equip())
                                               : static_cast<QMainWindow&>(perso());
        on<MenuEntry>(from, "menucombat")->trigger();

        QCOMPARE(c.isVisible(), opens);
        QCOMPARE(fresh.messages.texts(),
                 opens ? QStringList() : QStringList{"Un prêtre doit choisir une dévotion."});
        QCOMPARE(c.combatheros->text(), QString(opens ? "Arn" : "x"));
        QCOMPARE(c.pause0->value(), opens);
        QCOMPARE(c.fichier->value(), !opens);
    }
};

QTEST_MAIN(TestTransfertheros)
#include "test_transfertheros.moc"
