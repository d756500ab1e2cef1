// Whole fights, compared line by line with the report they write.
#include "fightkit.h"

using namespace fightkit;

namespace {

const QStringList heroKillsAtOnce{
    "Courage du héros = 12", "Courage de l'adversaire = 10", " ", "Assaut N°1",
    "Attaque du héros = 12|  Tirage = 5 ", "Parade de l'adversaire = 9|  Tirage =  15 ", " ",
    "Attaque du héros réussie", "Parade de l'adversaire ratée", " ",
    "EV de l'adversaire = 5| moins 5 ", "EV de l'adversaire = 0", " ", "L'adversaire est mort !"};

// The hero's Bonne Attaque against a failed Bonne Parade, then a grave impact that kills.
QStringList bonneAttaque(const QString& ha, int band, int grave, int extra) {
    const auto n = [](int value) { return QString(" %1 ").arg(value); };
    return {"Courage du héros = 12", "Courage de l'adversaire = 10", " ", "Assaut N°1",
            "Attaque du héros = " + ha + "|  Tirage = 1 ", "Bonne attaque = " + n(band) + "tirage =  1 ",
            " ", "Bonne attaque réussie !", "Bonne Parade =  4 Tirage =  20 ", " ",
            "Bonne parade ratée !", " ", "Tirage pour les impacts graves = " + n(grave),
            "points d'impact  =  6  plus = " + n(extra) + ", soit : " + n(6 + extra),
            "EV de l'adversaire = 5| moins" + n(6 + extra), "EV de l'adversaire = 0", " ",
            "L'adversaire est mort !"};
}

} // namespace

class TestFight : public QObject {
    Q_OBJECT

    void columns() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("fields");
    }
    void run() {
        QFETCH(QString, setup);
        QFETCH(QString, dice);
        QFETCH(QStringList, report);
        QFETCH(QString, fields);
        TestDriveC drive;
        FreshProgram fresh;
        fight(setup, dice);
        check(drive, report, fields);
        QCOMPARE(fresh.messages.count(), 0);
    }

  private slots:
    void initiation_data() {
        columns();
        QTest::newRow("equal courage: the hero first, his hit")
            << "ac=12" << "d20 5, d20 15, d6 4"
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 12"} +
                   heroKillsAtOnce.mid(2)
            << "nt=1; rheros=Attaque reussie; radv=Parade ratée; aev=Mort; Bar2=0";
        QTest::newRow("a parry, a miss each, a parry, a hit each")
            << "ac=13" << "d20 4, d20 3, d20 18, d20 20, d20 7, d20 2, d20 9, d20 16, d6 3, d20 12, d20 10, d6 6"
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ", "Assaut N°1",
                           "Attaque de l'adversaire = 11|Tirage = 4 ", "Parade du héros = 10|  Tirage =  3 ",
                           " ", "Parade du héros réussie", "Attaque de l'adversaire réussie",
                           " ", "Assaut N°1", "Attaque du héros = 12|  Tirage = 18 ", "Attaque du héros ratée",
                           " ", "Assaut N°2", "Attaque de l'adversaire = 11|Tirage = 20 ",
                           "Attaque de l'adversaire ratée", " ", "Assaut N°2",
                           "Attaque du héros = 12|  Tirage = 7 ", "Parade de l'adversaire = 9|  Tirage =  2 ",
                           " ", "Attaque du héros réussie", "Parade de l'adversaire réussie",
                           " ", "Assaut N°3", "Attaque de l'adversaire = 11|Tirage = 9 ",
                           "Parade du héros = 10|  Tirage =  16 ", " ", "Parade du héros ratée",
                           "Attaque de l'adversaire réussie", " ", "EV du héros = 20| moins 3 ",
                           "EV du héros = 17", " ", "Assaut N°3", "Attaque du héros = 12|  Tirage = 12 ",
                           "Parade de l'adversaire = 9|  Tirage =  10 ", " ", "Attaque du héros réussie",
                           "Parade de l'adversaire ratée", " ", "EV de l'adversaire = 5| moins 7 ",
                           "EV de l'adversaire = 0", " ", "L'adversaire est mort !"}
            << "nt=3; hev=17; energievitale=17; Bar1=17; experience=5";
        QTest::newRow("Coup de Maître: no protection, and nothing below 1")
            << "hpi2=-3 apr=5 aev=3" << "d20 1, d6 2, d20 20, d20 2, d6 6"
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 10", " ", "Assaut N°1",
                           "Attaque du héros = 12|  Tirage = 1 ", "Coup de Maître !", " ",
                           "EV de l'adversaire = 3| moins-1 ", "EV de l'adversaire = 3",
                           " ", "Assaut N°1", "Attaque de l'adversaire = 11|Tirage = 20 ",
                           "Attaque de l'adversaire ratée", " ", "Assaut N°2",
                           "Attaque du héros = 12|  Tirage = 2 ", "Coup de Maître !", " ",
                           "EV de l'adversaire = 3| moins 3 ", "EV de l'adversaire = 0", " ",
                           "L'adversaire est mort !"}
            << "rheros=Coup de Maître !; radv=; Bar2=0";
    }
    void initiation() { run(); }

    void extension_data() {
        columns();
        const QString bonne = "regles=extension ha=";
        const QString dice = "d20 1, d6 1, d20 20, d20 %1, d6 4";
        const QString fields = "rheros=Bonne Attaque !; radv=Bonne Prd ratée !";
        for (auto [ha, band] : {std::pair{"10", 1}, {"10.5", 1}, {"14", 2}, {"15", 3}, {"18", 4}, {"25", 4}})
            QTest::addRow("attack %s: Bonne Attaque %d", ha, band)
                << bonne + ha << dice.arg(3) << bonneAttaque(ha, band, 3, 1) << fields;
        for (auto [grave, extra] : {std::pair{1, 1}, {5, 1}, {6, 2}, {10, 2}, {11, 3}, {13, 3},
                                    {14, 4}, {16, 4}, {17, 5}, {18, 5}})
            QTest::addRow("grave impact %d adds %d", grave, extra)
                << bonne + "12" << dice.arg(grave) << bonneAttaque("12", 2, grave, extra) << fields;
        QTest::newRow("Bonne Parade won")
            << "regles=extension ap=14 aev=3" << "d20 1, d6 1, d20 9, d20 20, d20 5, d6 6, d20 20, d6 2"
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 10", " ", "Assaut N°1",
                           "Attaque du héros = 12|  Tirage = 1 ", "Bonne attaque =  2 tirage =  1 ", " ",
                           "Bonne attaque réussie !", " ", "Bonne Parade =  9 Tirage =  9 ", " ",
                           "Bonne parade réussie !", " ", "Assaut N°1",
                           "Attaque de l'adversaire = 11|Tirage = 20 ", "Attaque de l'adversaire ratée",
                           " ", "Assaut N°2", "Attaque du héros = 12|  Tirage = 5 ",
                           "Parade de l'adversaire = 14|  Tirage =  20 ", " ", "Attaque du héros réussie",
                           "Parade de l'adversaire ratée", " ", "EV de l'adversaire = 3| moins 3 ",
                           "EV de l'adversaire = 0", " ", "L'adversaire est mort !"}
            << "radv=Parade ratée";
        QTest::newRow("faint counted down, hit without parade, waking to attack")
            << "regles=extension hev=6 aev=30"
            << "d20 1, d6 1, d20 20, d20 19, d6 3, d6 2, d20 5, d6 6, d6 1, d20 20, d20 4, d20 15, d6 6"
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 10", " ", "Assaut N°1",
                           "Attaque du héros = 12|  Tirage = 1 ", "Bonne attaque =  2 tirage =  1 ", " ",
                           "Bonne attaque réussie !", "Bonne Parade =  4 Tirage =  20 ", " ",
                           "Bonne parade ratée !", " ", "Tirage pour les impacts graves =  19 ",
                           "L'adversaire s'évanouit sous", "la violence de l'attaque pendant  3  assauts !",
                           "Tirage pour l'impact critique :  3 ", "points d'impact  =  4 ",
                           "EV de l'adversaire = 30| moins 4 ", "EV de l'adversaire = 26",
                           " ", "Assaut N°1", "L'adversaire est évanoui encore", "pendant  2  assauts !",
                           " ", "Assaut N°2", "Attaque du héros = 12|  Tirage = 5 ", " ",
                           "EV de l'adversaire = 26| moins 2 ", "EV de l'adversaire = 24",
                           " ", "Assaut N°2", "L'adversaire est évanoui encore", "pendant  1  assaut !",
                           " ", "Assaut N°3", "Attaque du héros = 12|  Tirage = 20 ", "Attaque du héros ratée",
                           " ", "Assaut N°3", "L'adversaire se réveille", "Attaque de l'adversaire = 11|Tirage = 4 ",
                           "Parade du héros = 10|  Tirage =  15 ", " ", "Parade du héros ratée",
                           "Attaque de l'adversaire réussie", " ", "EV du héros = 6| moins 6 ",
                           "EV du héros = 0", " ", "Le héros est mort !"}
            << "radv=Attaque réussie; hev=Mort; Bar2=24; aev=24";
        QTest::newRow("fatal blow")
            << "regles=extension" << "d20 1, d6 1, d20 20, d20 20, d6 6"
            << bonneAttaque("12", 2, 20, 0).mid(0, 12) +
                   QStringList{"Tirage pour les impacts graves =  20 ", "Tirage pour l'impact critique :  6 ",
                               "Coup fatal !", "EV de l'adversaire = 0", " ", "L'adversaire est mort !"}
            << "rheros=Attaque fatale !; radv=; aev=Mort; Bar2=0; experience=5";
    }
    void extension() { run(); }

    // The attack lines with the adversary's attack 9, 12 and 10.5: its label and value end one
    // blank before, at, and two past a zone's end.
    void zonePadding_data() {
        columns();
        for (const QString aa : {"9", "12", "10.5"}) {
            const QString attack = "Attaque de l'adversaire = " + aa;
            const QString padded = attack + QString(aa == "9" ? 1 : aa == "12" ? 14 : 12, ' ');
            QTest::addRow("attack %s", qPrintable(aa))
                << "ac=13 aa=" + aa << "d20 20, d20 1, d6 6"
                << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ", "Assaut N°1",
                               padded + "Tirage = 20 ", "Attaque de l'adversaire ratée", " ", "Assaut N°1",
                               "Attaque du héros = 12       " "  Tirage = 1 ", "Coup de Maître !", " ",
                               "EV de l'adversaire = 5      " " moins 8 ", "EV de l'adversaire = 0", " ",
                               "L'adversaire est mort !"}
                << "";
        }
    }
    void zonePadding() { run(); }

    void deaths_data() {
        columns();
        QTest::newRow("the hero")
            << "hev=3 ac=13 exp=100" << "d20 1, d20 20, d6 5"
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ", "Assaut N°1",
                           "Attaque de l'adversaire = 11|Tirage = 1 ", "Parade du héros = 10|  Tirage =  20 ",
                           " ", "Parade du héros ratée", "Attaque de l'adversaire réussie", " ",
                           "EV du héros = 3| moins 5 ", "EV du héros = 0", " ", "Le héros est mort !"}
            << "hev=Mort; energievitale=Mort; Bar1=0; Bar2=5; aev=5; experience=100; Command2=C&ombat on; "
               "arret=Pause off; Command7=&Effacer on";
        const QString dice = "d20 5, d20 15, d6 4";
        QTest::newRow("class 12") << "acm=12 exp=100" << dice << heroKillsAtOnce
                                  << "aev=Mort; Bar2=0; Bar1=20; experience=112; energievitale=20";
        QTest::newRow("no class") << "acm= exp=100" << dice << heroKillsAtOnce << "experience=100";
        QTest::newRow("no class, no experience") << "acm= exp=" << dice << heroKillsAtOnce << "experience=0";
    }
    void deaths() { run(); }

    // Refused silently: nothing drawn, no file, the window as it was.
    void refusals_data() {
        columns();
        for (const QString setup : {"hev=Mort", "aev=Mort", "ac=", "aa=", "ap=", "apr=", "api1=", "api2=",
                                    "aev=", "hev=", "hev=0", "aev=-1", "aev=abc"})
            QTest::addRow("%s", qPrintable(setup)) << setup << "" << QStringList()
                                                   << "Command2=C&ombat on; arret=Pause off; nt=";
    }
    void refusals() { run(); }
};

QTEST_MAIN(TestFight)
#include "test_fight.moc"
