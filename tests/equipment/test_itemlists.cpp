// The item lists: the start-up listing, the kind filters and the missing folder file.
#include "catalogue.h"

#include "catalogues/saisie.h"
#include "common/shared.h"
#include "shop/transaction.h"

#include <QFile>
#include <optional>

class TestItemLists : public QObject, private CatalogueFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void startUpFillsEverySlotKind() {
        Perso& hero = perso();
        const QStringList melee = {"Dague", "Epée longue", "Hache"};
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(listOf(hero.melee[i]), melee);
            QCOMPARE(listOf(hero.distance[i]), QStringList{"Arc, court"});
            QCOMPARE(listOf(hero.protection[i]), QStringList{"Bouclier"});
        }
        for (int i = 1; i <= 2; ++i) QCOMPARE(listOf(hero.munition[i]), (QStringList{"Carreaux", "Flèches"}));
        for (int i = 1; i <= 16; ++i)
            QCOMPARE(listOf(equip().vetement[i]), (QStringList{"Cape", "Chapeau"}));
        QVERIFY(equip().Option[4]->value());
        QCOMPARE(listOf(equip().equip[1]).size(), 21); // every file of the folder
    }

    void filters_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("lastPattern");
        QTest::newRow("arm, ard, mun, pro")
            << 1
            << QStringList{"Arc, court", "Bouclier", "Carreaux", "Dague", "Epée longue", "Flèches",
                           "Hache"}
            << "*.pro";
        QTest::newRow("pla, pot, poi, liv")
            << 2 << QStringList{"Fiole... vide", "Grimoire", "Mandragore", "Philtre", "Venin"}
            << "*.liv";
        QTest::newRow("hab, prv, equ, bij")
            << 3 << QStringList{"Anneau", "Cape", "Chapeau", "Corde", "Hache", "Lance", "Pain"}
            << "*.bij";
        // Every file: a name without extension loses four characters, or is kept whole when
        // shorter; an item of two kinds comes twice.
        QTest::newRow("Tout") << 4
                              << QStringList{"Anneau",   "Arc, court",    "Bouclier", "Cape",
                                             "Carreaux", "Chapeau",       "Corde",    "Dague",
                                             "Epée longue", "Fiole... vide", "Flèches", "Grimoire",
                                             "Hache",    "Hache",         "Lance",    "Lant",
                                             "Mandragore", "Pain",        "Philtre",  "Sac",
                                             "Venin"}
                              << "*.*";
    }
    void filters() {
        QFETCH(int, filter);
        QFETCH(QStringList, names);
        QFETCH(QString, lastPattern);
        equip().Option[filter == 1 ? 2 : 1]->setValue(true); // from another filter's lists
        equip().Option[filter]->setValue(true);
        for (int line = 1; line <= 24; ++line) QCOMPARE(listOf(equip().equip[line]), names);
        QCOMPARE(shared::motif, lastPattern);
        QCOMPARE(transaction().fichier->pattern(), lastPattern);
        QCOMPARE(saisie().fichier->pattern(), lastPattern);
        QCOMPARE(messages().count(), 0);
    }

    // A hero already over the limit: any load check would complain and empty a box.
    void linesKeepTheirItemsAcrossRefills() {
        for (int line = 1; line <= 24; ++line) {
            equip().equip[line]->setText(QStringLiteral("Objet %1").arg(line));
            equip().poidsequip[line]->setText(QString::number(line));
        }
        loadHero(1);
        messages().clear();
        for (int filter : {1, 2, 3, 4}) {
            equip().Option[filter]->setValue(true);
            for (int line = 1; line <= 24; ++line) {
                QCOMPARE(equip().equip[line]->text(), QStringLiteral("Objet %1").arg(line));
                QCOMPARE(equip().poidsequip[line]->text(), QString::number(line));
            }
        }
        QCOMPARE(messages().count(), 0);
    }

    // Names are cut by length, not at a dot: a four-letter extension keeps its dot. A file
    // named only ".arm" is hidden, no entry. Neither may disturb the lines.
    void oddFileNamesUnderTout() {
        writeItem(*drive, "Carte.html", {"Carte"});
        writeItem(*drive, ".arm", {".arm"});
        equip().equip[2]->setText(QStringLiteral("Corde"));
        equip().Option[4]->setValue(true);
        const QStringList offered = listOf(equip().equip[1]);
        QVERIFY(offered.contains(QStringLiteral("Carte.")));
        QVERIFY(!offered.contains(QString()));
        QCOMPARE(equip().equip[1]->text(), QString());
        QCOMPARE(equip().equip[2]->text(), QStringLiteral("Corde"));
        QCOMPARE(messages().count(), 0);
    }

    void editorReloadedOnTheWay() {
        saisie().close();
        equip().Option[2]->setValue(true);
        QCOMPARE(listOf(equip().equip[1]),
                 (QStringList{"Fiole... vide", "Grimoire", "Mandragore", "Philtre", "Venin"}));
        QCOMPARE(saisie().fichier->pattern(), QStringLiteral("*.liv"));
    }

    void missingFolderFile_data() {
        QTest::addColumn<int>("action");
        QTest::newRow("a filter of four kinds") << 1;
        QTest::newRow("a garment chosen") << 2;
        QTest::newRow("a line emptied") << 3;
    }
    void missingFolderFile() {
        QFETCH(int, action);
        equip().equip[5]->setText(QStringLiteral("Corde"));
        QVERIFY(QFile::remove(drive->root() + QStringLiteral("/objets.ini")));
        messages().clear();
        if (action == 1) equip().Option[1]->setValue(true);
        if (action == 2) choose(equip().vetement[1], QStringLiteral("Cape"));
        if (action == 3) equip().equip[5]->setText(QString());
        QCOMPARE(messages().texts(),
                 QStringList{"fichier 'c:\\objets.ini' introuvable !\r\n"
                             "Veuillez préciser l'endroit du répertoire\r\n"
                             "de vos objets grâce au menu 'Objets' !!"});
        QCOMPARE(messages().last().icon, MsgIcon::Exclamation);
        QCOMPARE(messages().last().title, programTitle);
        // The listers keep the folder they had, and the work goes on there.
        if (action == 1) QCOMPARE(listOf(equip().equip[1]).size(), 7);
        if (action == 2) QCOMPARE(equip().poidsvetement[1]->text(), QStringLiteral("15"));
    }
};

QTEST_MAIN(TestItemLists)
#include "test_itemlists.moc"
