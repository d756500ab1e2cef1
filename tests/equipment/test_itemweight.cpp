// Weights read from the item files: the equipment lines' lookup through the kinds, the
// clothing slots, the messages and the load check.
#include "catalogue.h"

#include "common/shared.h"
#include "equipment/itemweight.h"

#include <QFile>
#include <optional>

namespace {

const QString inexistant = QStringLiteral("Objet inexistant dans le répertoire des Objet.\r\n"
                                          "Veuillez préciser l'endroit du répertoire\r\n"
                                          "Veuillez utiliser 'Saisie' !");
const QString incorrect = QStringLiteral("Objet incorrect dans le répertoire des Objet.\r\n"
                                         "Veuillez utiliser 'Saisie' !");

} // namespace

class TestItemWeight : public QObject, private CatalogueFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void lineWeightOfEachKind_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("kind");
        QTest::newRow("melee weapon") << "Epée longue" << "80" << 1;
        QTest::newRow("melee before equipment") << "Hache" << "60" << 1;
        QTest::newRow("ranged, comma in the name") << "Arc, court" << "30" << 2;
        QTest::newRow("ammunition: the batch") << "Flèches" << "20" << 3;
        QTest::newRow("protection, upper-case extension") << "Bouclier" << "100" << 4;
        QTest::newRow("clothing") << "Cape" << "15" << 5;
        QTest::newRow("provisions") << "Pain" << "5" << 6;
        QTest::newRow("plant") << "Mandragore" << "0" << 7;
        QTest::newRow("potion") << "Philtre" << "3" << 8;
        QTest::newRow("dots in the name") << "Fiole... vide" << "2" << 8;
        QTest::newRow("poison") << "Venin" << "1" << 9;
        QTest::newRow("folder named like a weapon") << "Lance" << "7" << 10;
        QTest::newRow("jewel, comma in the description") << "Anneau" << "1" << 11;
        QTest::newRow("book, quotes in the description") << "Grimoire" << "12" << 12;
    }
    void lineWeightOfEachKind() {
        QFETCH(QString, name);
        QFETCH(QString, weight);
        QFETCH(int, kind);
        choose(equip().equip[7], name);
        QCOMPARE(equip().poidsequip[7]->text(), weight);
        QCOMPARE(equip().equip[7]->text(), name);
        QCOMPARE(shared::compteur, kind);
        QCOMPARE(messages().count(), 0);
    }

    // The weight box never shows what an earlier read left behind.
    void lineLookupFailures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file of any kind") << "Inconnu" << inexistant;
        QTest::newRow("file ends before its weight") << "Dague" << incorrect;
        QTest::newRow("name climbing folders") << "../objets/Cape" << inexistant;
        QTest::newRow("two dots alone") << ".." << inexistant;
        QTest::newRow("name with a folder") << "sous\\Cape" << inexistant;
        QTest::newRow("empty name") << "" << inexistant;
    }
    void lineLookupFailures() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        choose(equip().equip[1], QStringLiteral("Corde"));
        choose(equip().equip[2], QStringLiteral("Hache"));
        messages().clear();
        equip().equip[2]->setText(name);
        equip_Click(2);
        QCOMPARE(messages().texts(), QStringList{message});
        QCOMPARE(messages().last().icon, MsgIcon::Exclamation);
        QCOMPARE(messages().last().title, programTitle);
        QCOMPARE(equip().poidsequip[2]->text(), QString());
        QCOMPARE(equip().poidsequip[1]->text(), QStringLiteral("10"));
    }

    void lineLoadCheck_data() {
        QTest::addColumn<double>("limit");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("warnings");
        QTest::newRow("exactly at the limit") << 60.0 << "60" << 0;
        QTest::newRow("over the limit") << 59.0 << "" << 1;
    }
    void lineLoadCheck() {
        QFETCH(double, limit);
        QFETCH(QString, weight);
        QFETCH(int, warnings);
        loadHero(limit);
        messages().clear();
        choose(equip().equip[3], QStringLiteral("Hache"));
        QCOMPARE(equip().equip[3]->text(), QStringLiteral("Hache"));
        QCOMPARE(equip().poidsequip[3]->text(), weight);
        QCOMPARE(equip().poidstransporte->text(), weight.isEmpty() ? QStringLiteral("0") : weight);
        QCOMPARE(messages().count(), warnings);
        if (warnings) QCOMPARE(messages().last().text, QStringLiteral("Charge maximum dépassée !"));
    }

    void emptiedLineEmptiesItsWeight() {
        choose(equip().equip[4], QStringLiteral("Corde"));
        equip().equip[4]->setText(QStringLiteral("Cor"));
        QCOMPARE(equip().poidsequip[4]->text(), QStringLiteral("10"));
        equip().equip[4]->setText(QString());
        QCOMPARE(equip().poidsequip[4]->text(), QString());
        QCOMPARE(messages().count(), 0);
    }

    void clothing_data() {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("read") << false << "Cape" << "15" << QStringList();
        QTest::newRow("only its name line") << false << "Chapeau" << "" << QStringList{incorrect};
        QTest::newRow("file deleted since listed") << true << "Cape" << "" << QStringList();
    }
    void clothing() {
        QFETCH(bool, deleted);
        QFETCH(QString, name);
        QFETCH(QString, weight);
        QFETCH(QStringList, shown);
        equip().poidsvetement[3]->setText(QStringLiteral("40")); // a garment chosen before
        if (deleted) QVERIFY(QFile::remove(drive->itemFolder() + QStringLiteral("/Cape.hab")));
        choose(equip().vetement[3], name);
        QCOMPARE(equip().poidsvetement[3]->text(), weight);
        // Recomputed even without a hero.
        QCOMPARE(equip().poidstransporte->text(), weight.isEmpty() ? QStringLiteral("0") : weight);
        QCOMPARE(messages().texts(), shown);
        equip().vetement[3]->setText(QString());
        QCOMPARE(equip().poidsvetement[3]->text(), QString());
    }

    void clothingLoadCheck() {
        loadHero(10);
        messages().clear();
        choose(equip().vetement[1], QStringLiteral("Cape"));
        QCOMPARE(messages().texts(), QStringList{"Charge maximum dépassée !"});
        QCOMPARE(equip().vetement[1]->text(), QStringLiteral("Cape"));
        QCOMPARE(equip().poidsvetement[1]->text(), QString());
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestItemWeight)
#include "test_itemweight.moc"
