// The hero sheet's weapon, ranged, ammunition and protection slots filled from item files.
#include "../equipment/catalogue.h"

#include <map>
#include <optional>

namespace {

QStringList texts(const std::vector<TextBox*>& boxes) {
    QStringList all;
    for (const TextBox* box : boxes) all << box->text();
    return all;
}

} // namespace

class TestSlotFiles : public QObject, private CatalogueFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void filledAndEmptied_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("companions");
        QTest::newRow("melee") << "melee" << 2 << "Epée longue"
                               << QStringList{"1", "-2", "3", "1", "4", "80"};
        QTest::newRow("ranged, comma in the name")
            << "distance" << 3 << "Arc, court" << QStringList{"1", "3", "40", "30"};
        QTest::newRow("ammunition: unit weight, count, batch")
            << "munition" << 1 << "Flèches" << QStringList{"2", "10", "20"};
        // A third of 5 cannot be written whole: the batch still weighs the file's 5.
        QTest::newRow("ammunition: a unit weight without end")
            << "munition" << 2 << "Carreaux" << QStringList{"1.66666666666667", "3", "5"};
        QTest::newRow("protection") << "protection" << 1 << "Bouclier"
                                    << QStringList{"2", "1", "100"};
    }
    void filledAndEmptied() {
        QFETCH(QString, kind);
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(QStringList, companions);
        Perso& hero = perso();
        hero.adresse->setText(QStringLiteral("12"));
        std::map<QString, std::pair<ComboBox*, std::vector<TextBox*>>> slotsByKind = {
            {"melee",
             {hero.melee[slot],
              {hero.armeAttaque[slot], hero.armeParade[slot], hero.facteur[slot], hero.pim1[slot],
               hero.pim2[slot], hero.poidsmelee[slot]}}},
            {"distance",
             {hero.distance[slot],
              {hero.pid1[slot], hero.pid2[slot], hero.portee[slot], hero.poidsdistance[slot]}}},
            {"munition",
             {hero.munition[slot],
              {hero.poidsunitaire[slot], hero.quantite[slot], hero.poidsmunition[slot]}}},
            {"protection",
             {hero.protection[slot], {hero.prot[slot], hero.malus[slot], hero.poidsprotection[slot]}}},
        };
        auto [box, boxes] = slotsByKind.at(kind);
        choose(box, name);
        QCOMPARE(texts(boxes), companions);
        QCOMPARE(hero.adresse->text(), kind == "protection" ? QStringLiteral("11") : "12");
        box->setText(QString());
        QCOMPARE(texts(boxes), QStringList(companions.size(), QString()));
        QCOMPARE(hero.adresse->text(), QStringLiteral("12")); // the malus given back
        QCOMPARE(messages().count(), 0);
    }

    void shortFileEmptiesTheSlot() {
        Perso& hero = perso();
        choose(hero.melee[1], QStringLiteral("Hache"));
        choose(hero.melee[1], QStringLiteral("Dague"));
        QCOMPARE(messages().texts(),
                 QStringList{"Objet incorrect dans le répertoire des Objet.\r\n"
                             "Veuillez utiliser 'Saisie' !"});
        for (TextBox* box : {hero.armeAttaque[1], hero.armeParade[1], hero.facteur[1], hero.pim1[1],
                             hero.pim2[1], hero.poidsmelee[1]})
            QCOMPARE(box->text(), QString());
    }

    void chosenWeaponGoesThroughTheLoadCheck() {
        loadHero(70);
        messages().clear();
        choose(perso().melee[1], QStringLiteral("Hache"));
        QCOMPARE(perso().poidsmelee[1]->text(), QStringLiteral("60"));
        choose(perso().melee[2], QStringLiteral("Epée longue"));
        QCOMPARE(messages().texts(), QStringList{"Charge maximum dépassée !"});
        QCOMPARE(perso().poidsmelee[2]->text(), QString());
        QCOMPARE(perso().poidstransporte->text(), QStringLiteral("60"));
    }
};

QTEST_MAIN(TestSlotFiles)
#include "test_slotfiles.moc"
