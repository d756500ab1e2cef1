// Whole fights through the combat window, compared line by line with the report they write.
#include "fightkit.h"

#include "tools/chemin.h"

#include <QDir>

using namespace fightkit;

// The reports are packed as tables.
// clang-format off
namespace {

const QStringList courage{"Courage du héros = 12", "Courage de l'adversaire = 10"};
const QStringList killed{"EV de l'adversaire = 0", " ", "L'adversaire est mort !"};
// The defaults' fight when the hero's first blow kills.
const QString kills = "d20 5, d20 15, d6 4";
const QStringList heroKills = courage + QStringList{" ", "Assaut N°1",
    "Attaque du héros = 12|  Tirage = 5 ", "Parade de l'adversaire = 9|  Tirage =  15 ", " ",
    "Attaque du héros réussie", "Parade de l'adversaire ratée", " ",
    "EV de l'adversaire = 5| moins 5 "} + killed;

// Extension: a Bonne Attaque, a failed Bonne Parade, then the grave impact's d20 at "%1".
const QString bonneDice = "d20 1, d6 1, d20 20, d20 %1, d6 4";
QStringList bonneAttaque(const QString& ha, int band, int grave = 0, int extra = 0) {
    const auto n = [](int value) { return QString(" %1 ").arg(value); };
    const QStringList lines = courage + QStringList{" ", "Assaut N°1",
        "Attaque du héros = " + ha + "|  Tirage = 1 ",
        "Bonne attaque = " + n(band) + "tirage =  1 ", " ", "Bonne attaque réussie !",
        "Bonne Parade =  4 Tirage =  20 ", " ", "Bonne parade ratée !", " "};
    if (grave == 0) return lines;
    return lines + QStringList{"Tirage pour les impacts graves = " + n(grave),
        "points d'impact  =  6  plus = " + n(extra) + ", soit : " + n(6 + extra),
        "EV de l'adversaire = 5| moins" + n(6 + extra)} + killed;
}
const QString faintDice = "d20 1, d6 1, d20 20, d20 19, d6 3, d6 2";
const QStringList fainting = bonneAttaque("12", 2) + QStringList{
    "Tirage pour les impacts graves =  19 ", "L'adversaire s'évanouit sous",
    "la violence de l'attaque pendant  3  assauts !", "Tirage pour l'impact critique :  3 ",
    "points d'impact  =  4 ", "EV de l'adversaire = 30| moins 4 ", "EV de l'adversaire = 26"};

const QStringList fleeing = courage + QStringList{"", "Tentative de fuite ", "du héros :", ""};
const QString flee = "1:Pause 2:Fuir 3:OK";

} // namespace

class TestFight : public QObject {
    Q_OBJECT

    static void columns() {
        QTest::addColumn<QString>("setup");   // path=chosen, path=gone: confirmed in the dialog
        QTest::addColumn<QString>("dice");    // " | " before the dice of a second, like fight
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("trace");   // not compared when empty
    }
    static void run() {
        QFETCH(QString, setup);
        QFETCH(QString, dice);
        QFETCH(QString, actions);
        QFETCH(QStringList, report);
        QFETCH(QString, fields);
        QFETCH(QString, trace);
        TestDriveC drive;
        FreshProgram fresh;
        const QString path = setup.section("path=", 1, 1).section(' ', 0, 0);
        if (!path.isEmpty()) {
            QDir(drive.root()).mkdir("rapports");
            chemin().Dir->setPath("C:\\rapports");
            chemin().file->setText("combat.txt");
            QTest::mouseClick(chemin().ok, Qt::LeftButton);
            if (path == "gone") QDir(drive.root() + "/rapports").removeRecursively();
            setup.remove("path=" + path);
        }
        const QString traced = fight(setup, dice.section(" | ", 0, 0), actions);
        if (dice.contains(" | ")) fight(setup + " aev=5", dice.section(" | ", 1), actions);
        check(drive, report, fields, path.isEmpty() ? "resultat.txt" : "rapports/combat.txt");
        if (!path.isEmpty()) QVERIFY(!QFile::exists(drive.root() + "/resultat.txt"));
        if (!trace.isEmpty()) QCOMPARE(traced, trace);
        QCOMPARE(fresh.messages.texts(),
                 path == "gone" ? QStringList{"Chemin d'accès introuvable"} : QStringList());
    }

  private slots:
    void initiation_data() {
        columns();
        QTest::newRow("equal courage: the hero first") << "ac=12" << kills << ""
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 12"}
                + heroKills.mid(2)
            << "nt=1; rheros=Attaque reussie; radv=Parade ratée; aev=Mort; Bar2=0; Bar1=20" << "";
        QTest::newRow("a parry, a miss and a hit on each side") << "ac=13" << "d20 4, d20 3, "
            "d20 18, d20 20, d20 7, d20 2, d20 9, d20 16, d6 3, d20 12, d20 10, d6 6" << ""
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ",
                "Assaut N°1", "Attaque de l'adversaire = 11|Tirage = 4 ",
                "Parade du héros = 10|  Tirage =  3 ", " ", "Parade du héros réussie",
                "Attaque de l'adversaire réussie", " ", "Assaut N°1",
                "Attaque du héros = 12|  Tirage = 18 ", "Attaque du héros ratée", " ", "Assaut N°2",
                "Attaque de l'adversaire = 11|Tirage = 20 ", "Attaque de l'adversaire ratée", " ",
                "Assaut N°2", "Attaque du héros = 12|  Tirage = 7 ",
                "Parade de l'adversaire = 9|  Tirage =  2 ", " ", "Attaque du héros réussie",
                "Parade de l'adversaire réussie", " ", "Assaut N°3",
                "Attaque de l'adversaire = 11|Tirage = 9 ", "Parade du héros = 10|  Tirage =  16 ",
                " ", "Parade du héros ratée", "Attaque de l'adversaire réussie", " ",
                "EV du héros = 20| moins 3 ", "EV du héros = 17", " ", "Assaut N°3",
                "Attaque du héros = 12|  Tirage = 12 ",
                "Parade de l'adversaire = 9|  Tirage =  10 ", " ", "Attaque du héros réussie",
                "Parade de l'adversaire ratée", " ",
                "EV de l'adversaire = 5| moins 7 "} + killed
            << "nt=3; hev=17; energievitale=17; Bar1=17" << "";
        QTest::newRow("Coup de Maître: no protection, nothing below 1") << "hpi2=-3 apr=5 aev=3"
            << "d20 1, d6 2, d20 20, d20 2, d6 6" << ""
            << courage + QStringList{" ", "Assaut N°1", "Attaque du héros = 12|  Tirage = 1 ",
                "Coup de Maître !", " ", "EV de l'adversaire = 3| moins-1 ",
                "EV de l'adversaire = 3", " ", "Assaut N°1",
                "Attaque de l'adversaire = 11|Tirage = 20 ",
                "Attaque de l'adversaire ratée", " ", "Assaut N°2",
                "Attaque du héros = 12|  Tirage = 2 ", "Coup de Maître !", " ",
                "EV de l'adversaire = 3| moins 3 "} + killed
            << "rheros=Coup de Maître !; radv=" << "";
    }
    void initiation() { run(); }

    void extension_data() {
        columns();
        const QString fields = "rheros=Bonne Attaque !; radv=Bonne Prd ratée !";
        for (auto [ha, band] : {std::pair{"10", 1}, {"10.5", 1}, {"14", 2}, {"15", 3}, {"18", 4},
                                {"25", 4}})
            QTest::addRow("attack %s: Bonne Attaque %d", ha, band)
                << "regles=extension ha=" + QString(ha) << bonneDice.arg(3) << ""
                << bonneAttaque(ha, band, 3, 1) << fields << "";
        for (auto [grave, extra] : {std::pair{1, 1}, {5, 1}, {6, 2}, {10, 2}, {11, 3}, {13, 3},
                                    {14, 4}, {16, 4}, {17, 5}, {18, 5}})
            QTest::addRow("grave impact %d adds %d", grave, extra) << "regles=extension"
                << bonneDice.arg(grave) << "" << bonneAttaque("12", 2, grave, extra) << fields
                << "";
        QTest::newRow("Bonne Parade won") << "regles=extension ap=14 aev=3"
            << "d20 1, d6 1, d20 9, d20 20, d20 1, d6 6, d20 20, d6 2" << ""
            << courage + QStringList{" ", "Assaut N°1", "Attaque du héros = 12|  Tirage = 1 ",
                "Bonne attaque =  2 tirage =  1 ", " ", "Bonne attaque réussie !", " ",
                "Bonne Parade =  9 Tirage =  9 ", " ", "Bonne parade réussie !", " ", "Assaut N°1",
                "Attaque de l'adversaire = 11|Tirage = 20 ", "Attaque de l'adversaire ratée", " ",
                "Assaut N°2", "Attaque du héros = 12|  Tirage = 1 ",
                "Parade de l'adversaire = 14|  Tirage =  20 ", " ", "Attaque du héros réussie",
                "Parade de l'adversaire ratée", " ", "EV de l'adversaire = 3| moins 3 "} + killed
            << "radv=Parade ratée" << "";
        QTest::newRow("faint counted down, a hit without parade, waking to attack")
            << "regles=extension hev=6 aev=30"
            << faintDice + ", d20 5, d6 6, d6 1, d20 20, d20 4, d20 15, d6 6" << ""
            << fainting + QStringList{" ", "Assaut N°1", "L'adversaire est évanoui encore",
                "pendant  2  assauts !", " ", "Assaut N°2", "Attaque du héros = 12|  Tirage = 5 ",
                " ", "EV de l'adversaire = 26| moins 2 ", "EV de l'adversaire = 24", " ",
                "Assaut N°2",
                "L'adversaire est évanoui encore", "pendant  1  assaut !", " ", "Assaut N°3",
                "Attaque du héros = 12|  Tirage = 20 ", "Attaque du héros ratée", " ", "Assaut N°3",
                "L'adversaire se réveille", "Attaque de l'adversaire = 11|Tirage = 4 ",
                "Parade du héros = 10|  Tirage =  15 ", " ", "Parade du héros ratée",
                "Attaque de l'adversaire réussie", " ", "EV du héros = 6| moins 6 ",
                "EV du héros = 0", " ", "Le héros est mort !"}
            << "radv=Attaque réussie; hev=Mort; Bar2=24" << "";
        QTest::newRow("fatal blow") << "regles=extension" << "d20 1, d6 1, d20 20, d20 20, d6 6"
            << ""
            << bonneAttaque("12", 2) + QStringList{"Tirage pour les impacts graves =  20 ",
                "Tirage pour l'impact critique :  6 ", "Coup fatal !"} + killed
            << "rheros=Attaque fatale !; radv=; Bar2=0; experience=5" << "";
    }
    void extension() { run(); }

    // The adversary's attack line ends one blank before, at, and two past a zone's end.
    void zonePadding_data() {
        columns();
        for (auto [aa, blanks] : {std::pair{"9", 1}, {"12", 14}, {"10.5", 12}})
            QTest::addRow("attack %s", aa) << "ac=13 aa=" + QString(aa) << "d20 20, d20 1, d6 6"
                << "" << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ",
                    "Assaut N°1",
                    "Attaque de l'adversaire = " + QString(aa) + QString(blanks, ' ') +
                        "Tirage = 20 ",
                    "Attaque de l'adversaire ratée", " ", "Assaut N°1",
                    "Attaque du héros = 12         Tirage = 1 ", "Coup de Maître !", " ",
                    "EV de l'adversaire = 5       moins 8 "} + killed
                << "" << "";
    }
    void zonePadding() { run(); }

    void deaths_data() {
        columns();
        QTest::newRow("the hero") << "hev=3 ac=13 exp=100" << "d20 1, d20 20, d6 5" << ""
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ",
                "Assaut N°1", "Attaque de l'adversaire = 11|Tirage = 1 ",
                "Parade du héros = 10|  Tirage =  20 ",
                " ", "Parade du héros ratée", "Attaque de l'adversaire réussie", " ",
                "EV du héros = 3| moins 5 ", "EV du héros = 0", " ", "Le héros est mort !"}
            << "hev=Mort; energievitale=Mort; Bar1=0; Bar2=5; experience=100; "
               "Command2=C&ombat on; arret=Pause off" << "";
        QTest::newRow("class 12") << "acm=12 exp=100" << kills << "" << heroKills
                                  << "experience=112; energievitale=20" << "";
        QTest::newRow("no class") << "acm= exp=100" << kills << "" << heroKills
                                  << "experience=100" << "";
        QTest::newRow("no class, no experience") << "acm= exp=" << kills << "" << heroKills
                                                 << "experience=0" << "";
    }
    void deaths() { run(); }

    // Refused silently: nothing drawn, no file, the buttons as they were.
    void refusals_data() {
        columns();
        for (const char* setup : {"hev=Mort", "aev=Mort", "ac=", "aa=", "ap=", "apr=", "api1=",
                                  "api2=", "aev=", "hev=", "hev=0", "aev=-1", "aev=abc"})
            QTest::addRow("%s", setup) << setup << "" << "" << QStringList()
                                       << "Command2=C&ombat on; arret=Pause off; nt=" << "";
    }
    void refusals() { run(); }

    void reportLifetime_data() {
        columns();
        const QStringList coupDeMaitre = courage + QStringList{" ", "Assaut N°1",
            "Attaque du héros = 12|  Tirage = 1 ", "Coup de Maître !", " ",
            "EV de l'adversaire = 5| moins 8 "} + killed;
        const QString twoFights = kills + " | d20 1, d6 6";
        QTest::newRow("chosen path") << "path=chosen" << kills << "" << heroKills << "" << "";
        QTest::newRow("two fights, the second replacing") << "path=chosen" << twoFights << ""
                                                          << coupDeMaitre << "" << "";
        // Each fight's report replaces the one before, whatever the box did in it.
        QTest::newRow("box unticked in two fights") << "" << twoFights << "1:untick" << courage
                                                    << "" << "";
        QTest::newRow("box ticked in a fight") << "fichier=0" << kills << "1:tick" << QStringList()
                                               << "" << "";
        QTest::newRow("path that cannot be opened") << "path=gone" << kills << "" << QStringList()
                                                    << "aev=Mort" << "";
    }
    void reportLifetime() { run(); }

    void yields_data() {
        columns();
        const QString quick = "d20 20, d20 20, d20 1, d6 6";
        const QStringList none;
        QTest::newRow("delay 0") << "fichier=0" << quick << "" << none << "" << "Y W0 Y W0 Y Y";
        QTest::newRow("delay 2") << "fichier=0 delai=2" << quick << "" << none << ""
                                 << "Y W2 Y W2 Y Y";
        QTest::newRow("delay changed") << "fichier=0" << quick << "2:2sec" << none << ""
                                       << "Y W0 Y W2 Y Y";
        QTest::newRow("adversary first") << "fichier=0 ac=13" << "d20 20, " + quick << "" << none
                                         << "" << "W0 Y Y W0 Y W0 Y Y";
        QTest::newRow("none after a faint, one more before a fatal blow")
            << "fichier=0 regles=extension aev=30"
            << "d20 1, d6 1, d20 20, d20 19, d6 2, d6 1, d20 1, d6 1, d20 20, d6 6" << "" << none
            << "" << "Y W0 Y W0 Y Y W0 W0 Y";
    }
    void yields() { run(); }

    void pause_data() {
        columns();
        QTest::newRow("resumed") << "" << kills << "1:Pause 3:Continuer" << heroKills
                                 << "wpause=hidden; arret=Pause off; enpause=clear" << "Y Y Y";
        QTest::newRow("its window closed, shown again by Reprise") << "" << kills
            << "1:Pause 2:close-wpause 4:Pause 5:Continuer" << heroKills << "wpause=hidden"
            << "Y Y Y Y Y";
        QTest::newRow("the flight's window closed") << "fichier=0" << "d20 12"
            << "1:Pause 2:Fuir 3:close-wfuite" << QStringList()
            << "wfuite=hidden; arret=Pause off; Command2=C&ombat on; combat=shown" << "Y Y Y";
        QTest::newRow("none after a flight") << "fichier=0" << "d20 12"
            << "1:Pause 2:Fuir 3:Pause 4:OK" << QStringList() << "wpause=hidden; wfuite=hidden"
            << "Y Y Y Y";
    }
    void pause() { run(); }

    void flight_data() {
        columns();
        QTest::newRow("hit") << "" << "d20 5, d6 4" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 20| moins 4 ", "", "EV du héros = 16", "",
                "Le héros perd 4 points de vie", "Le héros réussit à fuir quand même..."}
            << "fuite=Fuite de Aldo; lhev=20; lmoins=4; Label1= Le héros perd 4 points de vie; "
               "Label2=Le héros réussit à fuir quand même...; energievitale=16; Bar1=16; "
               "wfuite=hidden; arret=Pause off; lhev?=shown" << "Y Y Y";
        QTest::newRow("death") << "hev=4 api2=2" << "d20 5, d6 6" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 4| moins 7 ", "", "EV du héros = 0", "",
                "Le héros perd 7 points de vie", " ", "Le héros est mort !"}
            << "lhev=4; lmoins=7; Label2= Le héros est mort pendant sa fuite !!; hev=Mort; "
               "energievitale=Mort; Bar1=0" << "";
        QTest::newRow("no damage") << "hpr=8 api2=2" << "d20 5, d6 6" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 20| moins 0 ", "", "EV du héros = 20",
                "Le héros fuit sans dommage !"}
            << "lmoins=0; Label1=Le héros fuit sans dommage !; Label2=; hev=20" << "";
        QTest::newRow("miss") << "" << "d20 12" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 12 ", "",
                "Attaque de l'adversaire ratée", "Le héros fuit sans dommage !"}
            << "Label1=Attaque de l'adversaire ratée; Label2=Le héros fuit sans dommage !; "
               "radv=Attaque ratée; lmoins=; lmoins?=hidden" << "";
        // Each flight first clears what an earlier one showed.
        QTest::newRow("two flights") << "hev=4 api2=2 hpr=3" << "d20 5, d6 6 | d20 5, d6 1" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 4| moins 0 ", "", "EV du héros = 4", "Le héros fuit sans dommage !"}
            << "Label1=Le héros fuit sans dommage !; Label2=; lhev=4; lmoins=0; lhev?=shown"
            << "";
        QTest::newRow("fainted adversary") << "regles=extension aev=30" << faintDice
            << "3:Pause 4:Fuir 5:OK" << fainting + fleeing.mid(2) + QStringList{
                "Le héros s'enfuit avant que ", "l'adversaire ne se réveille !"}
            << "Label1=Le héros s'enfuit avant que ; Label2=l'adversaire ne se réveille !; hev=20; "
               "lhev?=hidden"
            << "Y W0 Y W0 Y Y Y";
    }
    void flight() { run(); }

    void duringAFight_data() {
        columns();
        const QStringList missed = courage + QStringList{" ", "Assaut N°1",
            "Attaque du héros = 12|  Tirage = 20 ", "Attaque du héros ratée"};
        const QString ended = "combat=hidden; wpause=hidden; wfuite=hidden; enpause=clear; "
            "experience=; Command2=C&ombat on; arret=Pause off; Command7=&Effacer on; "
            "Command8=Tirage on";
        QTest::newRow("window closed") << "" << "d20 20" << "2:close-combat" << missed << ended
                                       << "Y W0 Y";
        QTest::newRow("window closed in a pause") << "" << "d20 20" << "2:Pause 3:close-combat"
                                                  << missed << ended << "Y W0 Y Y";
        QTest::newRow("window closed after a flight") << "fichier=0" << "d20 12"
            << "1:Pause 2:Fuir 3:close-combat" << QStringList() << ended << "Y Y Y";
        QTest::newRow("another fight tried") << "" << kills << "1:Combat" << heroKills << "" << "Y";
    }
    void duringAFight() { run(); }
    // clang-format on
};

QTEST_MAIN(TestFight)
#include "test_fight.moc"
