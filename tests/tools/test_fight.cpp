// Whole fights through the real combat window, compared line by line with the report they
// write: the hero set on the hero sheet, the adversary typed into the window, the dice scripted,
// "C&ombat" clicked, the report read back.
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/chance.h"
#include "common/clock.h"
#include "common/cp1252.h"
#include "common/drivepath.h"
#include "common/shared.h"
#include "hero/perso.h"
#include "tools/chemin.h"
#include "tools/combat.h"
#include "tools/wfuite.h"
#include "tools/wpause.h"

#include <QDir>
#include <QProgressBar>
#include <QTest>

namespace {

// "name=value" words: hc, ha, hp, hpi1, hpi2, hpr, hev and exp go onto the hero sheet, which
// copies them into the window; the adversary straight into the window; then the options.
void setUp(const QString& overrides) {
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
void act(const QString& action) {
    Combat& c = combat();
    const QString report = drivepath::toLocal("C:\\rapports\\combat.txt"); // once chosen
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
        {"report-is-a-folder", [&] { QVERIFY(QFile::remove(report) && QDir().mkdir(report)); }},
        {"Combat", [&] { // another fight, however it is reached
             for (QPushButton* button : {c.Command2, c.Command7, c.Command8})
                 QTest::mouseClick(button, Qt::LeftButton);
             c.Command2_Click();
         }}};
    actions[action]();
}

// What a fight shows: a window shown or hidden, a field's text, a label's caption, a bar's
// value, a button's caption and state; with "?", whether a control shows in its window.
QString shown(QString name) {
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
QString fight(const QString& setup, const QString& dice, const QString& actions = {}) {
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

// The reports are packed as tables.
// clang-format off
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
    }
    static void run() {
        QFETCH(QString, setup);
        QFETCH(QString, dice);
        QFETCH(QString, actions);
        QFETCH(QStringList, report);
        QFETCH(QString, fields);
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
        // The report line by line, each ended by CR LF in the 8-bit code page; in the expected
        // lines a "|" stands for the blanks up to the next print zone.
        const QByteArray bytes =
            drive.read(path.isEmpty() ? "resultat.txt" : "rapports/combat.txt");
        QVERIFY(bytes.isEmpty() || bytes.endsWith("\r\n"));
        const QStringList lines =
            cp1252::decode(bytes.chopped(bytes.isEmpty() ? 0 : 2)).split("\r\n");
        for (QString& line : report)
            for (qsizetype at; (at = line.indexOf('|')) >= 0;)
                line.replace(at, 1, QString((at / 14 + 1) * 14 - at, ' '));
        for (qsizetype i = 0; i < std::max(lines.size(), report.size()); ++i)
            QCOMPARE(lines.value(i, "(missing)"),
                     report.value(i, bytes.isEmpty() ? "" : "(missing)"));
        QStringList told; // the message boxes, "title: text": none unless the row says
        for (const MessageBoxRequest& box : fresh.messages.shown)
            told << box.title + ": " + box.text;
        if (!fields.contains("told=")) QCOMPARE(told, QStringList());
        for (const QString& field : fields.split(';', Qt::SkipEmptyParts)) {
            const QString name = field.section('=', 0, 0).trimmed();
            QCOMPARE(name == "trace" ? traced : name == "told" ? told.join(" / ") : shown(name),
                     field.section('=', 1));
        }
        if (!path.isEmpty()) QVERIFY(!QFile::exists(drive.root() + "/resultat.txt"));
    }

  private slots:
    void initiation_data() {
        columns();
        QTest::newRow("equal courage: the hero first") << "ac=12" << kills << ""
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 12"}
                + heroKills.mid(2)
            << "nt=1; rheros=Attaque reussie; radv=Parade ratée; aev=Mort; Bar2=0; Bar1=20";
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
            << "nt=3; hev=17; energievitale=17; Bar1=17";
        QTest::newRow("Coup de Maître: no protection, nothing below 1") << "hpi2=-3 apr=5 aev=3"
            << "d20 1, d6 2, d20 20, d20 2, d6 6" << ""
            << courage + QStringList{" ", "Assaut N°1", "Attaque du héros = 12|  Tirage = 1 ",
                "Coup de Maître !", " ", "EV de l'adversaire = 3| moins-1 ",
                "EV de l'adversaire = 3", " ", "Assaut N°1",
                "Attaque de l'adversaire = 11|Tirage = 20 ",
                "Attaque de l'adversaire ratée", " ", "Assaut N°2",
                "Attaque du héros = 12|  Tirage = 2 ", "Coup de Maître !", " ",
                "EV de l'adversaire = 3| moins 3 "} + killed
            << "rheros=Coup de Maître !; radv=";
    }
    void initiation() { run(); }

    void extension_data() {
        columns();
        const QString fields = "rheros=Bonne Attaque !; radv=Bonne Prd ratée !";
        for (auto [ha, band] : {std::pair{"10", 1}, {"10.5", 1}, {"14", 2}, {"15", 3}, {"18", 4},
                                {"25", 4}})
            QTest::addRow("attack %s: Bonne Attaque %d", ha, band)
                << "regles=extension ha=" + QString(ha) << bonneDice.arg(3) << ""
                << bonneAttaque(ha, band, 3, 1) << fields;
        for (auto [grave, extra] : {std::pair{1, 1}, {5, 1}, {6, 2}, {10, 2}, {11, 3}, {13, 3},
                                    {14, 4}, {16, 4}, {17, 5}, {18, 5}})
            QTest::addRow("grave impact %d adds %d", grave, extra) << "regles=extension"
                << bonneDice.arg(grave) << "" << bonneAttaque("12", 2, grave, extra) << fields;
        QTest::newRow("Bonne Parade won") << "regles=extension ap=14 aev=3"
            << "d20 1, d6 1, d20 9, d20 20, d20 1, d6 6, d20 20, d6 2" << ""
            << courage + QStringList{" ", "Assaut N°1", "Attaque du héros = 12|  Tirage = 1 ",
                "Bonne attaque =  2 tirage =  1 ", " ", "Bonne attaque réussie !", " ",
                "Bonne Parade =  9 Tirage =  9 ", " ", "Bonne parade réussie !", " ", "Assaut N°1",
                "Attaque de l'adversaire = 11|Tirage = 20 ", "Attaque de l'adversaire ratée", " ",
                "Assaut N°2", "Attaque du héros = 12|  Tirage = 1 ",
                "Parade de l'adversaire = 14|  Tirage =  20 ", " ", "Attaque du héros réussie",
                "Parade de l'adversaire ratée", " ", "EV de l'adversaire = 3| moins 3 "} + killed
            << "radv=Parade ratée";
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
            << "radv=Attaque réussie; hev=Mort; Bar2=24";
        QTest::newRow("fatal blow") << "regles=extension" << "d20 1, d6 1, d20 20, d20 20, d6 6"
            << ""
            << bonneAttaque("12", 2) + QStringList{"Tirage pour les impacts graves =  20 ",
                "Tirage pour l'impact critique :  6 ", "Coup fatal !"} + killed
            << "rheros=Attaque fatale !; radv=; Bar2=0; experience=5";
    }
    void extension() { run(); }

    // The adversary's attack line ends one blank before, at, and two past a zone's end.
    void zonePadding_data() {
        columns();
        for (auto [aa, blanks] : {std::pair{"9", 1}, {"12", 14}, {"10.5", 12}})
            QTest::addRow("attack %s", aa) << "ac=13 aa=" + QString(aa) << "d20 20, d20 1, d6 6"
                << "" << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ",
                    "Assaut N°1", "Attaque de l'adversaire = " + QString(aa) + QString(blanks, ' ')
                    + "Tirage = 20 ", "Attaque de l'adversaire ratée", " ", "Assaut N°1",
                    "Attaque du héros = 12         Tirage = 1 ", "Coup de Maître !", " ",
                    "EV de l'adversaire = 5       moins 8 "} + killed << "";
    }
    void zonePadding() { run(); }

    void deaths_data() {
        columns();
        QTest::newRow("the hero") << "hev=3 ac=13 exp=100" << "d20 1, d20 20, d6 5" << ""
            << QStringList{"Courage du héros = 12", "Courage de l'adversaire = 13", " ",
                "Assaut N°1", "Attaque de l'adversaire = 11|Tirage = 1 ",
                "Parade du héros = 10|  Tirage =  20 ", " ", "Parade du héros ratée",
                "Attaque de l'adversaire réussie", " ",
                "EV du héros = 3| moins 5 ", "EV du héros = 0", " ", "Le héros est mort !"}
            << "hev=Mort; energievitale=Mort; Bar1=0; Bar2=5; experience=100; "
               "Command2=C&ombat on; arret=Pause off";
        for (auto [setup, exp] : {std::pair{"acm=12 exp=100", "112"}, {"acm= exp=100", "100"},
                                  {"acm= exp=", "0"}})
            QTest::addRow("the adversary, %s", setup) << setup << kills << "" << heroKills
                << "energievitale=20; experience=" + QString(exp);
    }
    void deaths() { run(); }

    // Refused silently: nothing drawn, no file, the buttons as they were.
    void refusals_data() {
        columns();
        for (const char* setup : {"hev=Mort", "aev=Mort", "ac=", "aa=", "ap=", "apr=", "api1=",
                                  "api2=", "aev=", "hev=", "hev=0", "aev=-1", "aev=abc"})
            QTest::addRow("%s", setup) << setup << "" << "" << QStringList()
                << "Command2=C&ombat on; arret=Pause off; nt=";
    }
    void refusals() { run(); }

    void reportLifetime_data() {
        columns();
        const QStringList coupDeMaitre = courage + QStringList{" ", "Assaut N°1",
            "Attaque du héros = 12|  Tirage = 1 ", "Coup de Maître !", " ",
            "EV de l'adversaire = 5| moins 8 "} + killed;
        const QString twoFights = kills + " | d20 1, d6 6";
        const QStringList none;
        QTest::newRow("chosen path, two fights") << "path=chosen" << twoFights << "" << coupDeMaitre
            << "";
        // Each fight's report replaces the one before, whatever the box did in it.
        QTest::newRow("box unticked in two fights") << "" << twoFights << "1:untick" << courage
            << "";
        QTest::newRow("box ticked in a fight") << "fichier=0" << kills << "1:tick" << none << "";
        // A report that fails is told with its file and why; the fight goes on without it.
        QTest::newRow("path that cannot be opened") << "path=gone" << kills << "" << none
            << "aev=Mort; told=Erreur !: Chemin d'accès introuvable\r\nC:\\rapports\\combat.txt"
               "\r\nFichier ou dossier introuvable";
        QTest::newRow("report that cannot be written") << "path=chosen" << kills
            << "1:report-is-a-folder" << none
            << "aev=Mort; told=Erreur !: Erreur d'accès au chemin/fichier\r\n"
               "C:\\rapports\\combat.txt\r\nUn dossier porte ce nom";
    }
    void reportLifetime() { run(); }

    void yields_data() {
        columns();
        const QString quick = "d20 20, d20 20, d20 1, d6 6";
        const QStringList none;
        QTest::newRow("delay 0") << "fichier=0" << quick << "" << none << "trace=Y W0 Y W0 Y Y";
        QTest::newRow("delay 2") << "fichier=0 delai=2" << quick << "" << none
            << "trace=Y W2 Y W2 Y Y";
        QTest::newRow("delay changed") << "fichier=0" << quick << "2:2sec" << none
            << "trace=Y W0 Y W2 Y Y";
        QTest::newRow("adversary first") << "fichier=0 ac=13" << "d20 20, " + quick << "" << none
            << "trace=W0 Y Y W0 Y W0 Y Y";
        QTest::newRow("none after a faint, one more before a fatal blow")
            << "fichier=0 regles=extension aev=30"
            << "d20 1, d6 1, d20 20, d20 19, d6 2, d6 1, d20 1, d6 1, d20 20, d6 6" << "" << none
            << "trace=Y W0 Y W0 Y Y W0 W0 Y";
    }
    void yields() { run(); }

    void pause_data() {
        columns();
        QTest::newRow("resumed") << "" << kills << "1:Pause 3:Continuer" << heroKills
            << "wpause=hidden; arret=Pause off; enpause=clear; trace=Y Y Y";
        QTest::newRow("its window closed, shown again by Reprise") << "" << kills
            << "1:Pause 2:close-wpause 4:Pause 5:Continuer" << heroKills
            << "wpause=hidden; trace=Y Y Y Y Y";
        QTest::newRow("the flight's window closed") << "fichier=0" << "d20 12"
            << "1:Pause 2:Fuir 3:close-wfuite" << QStringList()
            << "wfuite=hidden; arret=Pause off; Command2=C&ombat on; combat=shown; trace=Y Y Y";
        QTest::newRow("none after a flight") << "fichier=0" << "d20 12"
            << "1:Pause 2:Fuir 3:Pause 4:OK" << QStringList()
            << "wpause=hidden; wfuite=hidden; trace=Y Y Y Y";
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
               "wfuite=hidden; arret=Pause off; lhev?=shown; trace=Y Y Y";
        QTest::newRow("death") << "hev=4 api2=2" << "d20 5, d6 6" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 4| moins 7 ", "", "EV du héros = 0", "",
                "Le héros perd 7 points de vie", " ", "Le héros est mort !"}
            << "lhev=4; lmoins=7; Label2= Le héros est mort pendant sa fuite !!; hev=Mort; "
               "energievitale=Mort; Bar1=0";
        QTest::newRow("no damage") << "hpr=8 api2=2" << "d20 5, d6 6" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 20| moins 0 ", "", "EV du héros = 20",
                "Le héros fuit sans dommage !"}
            << "lmoins=0; Label1=Le héros fuit sans dommage !; Label2=; hev=20";
        QTest::newRow("miss") << "" << "d20 12" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 12 ", "",
                "Attaque de l'adversaire ratée", "Le héros fuit sans dommage !"}
            << "Label1=Attaque de l'adversaire ratée; Label2=Le héros fuit sans dommage !; "
               "radv=Attaque ratée; lmoins=; lmoins?=hidden";
        // Each flight first clears what an earlier one showed.
        QTest::newRow("two flights") << "hev=4 api2=2 hpr=3" << "d20 5, d6 6 | d20 5, d6 1" << flee
            << fleeing + QStringList{"Attaque de l'adversaire = 11|Tirage = 5 ", " ",
                "EV du héros = 4| moins 0 ", "", "EV du héros = 4", "Le héros fuit sans dommage !"}
            << "Label1=Le héros fuit sans dommage !; Label2=; lhev=4; lmoins=0; lhev?=shown";
        QTest::newRow("fainted adversary") << "regles=extension aev=30" << faintDice
            << "3:Pause 4:Fuir 5:OK" << fainting + fleeing.mid(2) + QStringList{
                "Le héros s'enfuit avant que ", "l'adversaire ne se réveille !"}
            << "Label1=Le héros s'enfuit avant que ; Label2=l'adversaire ne se réveille !; hev=20; "
               "lhev?=hidden; trace=Y W0 Y W0 Y Y Y";
    }
    void flight() { run(); }

    void duringAFight_data() {
        columns();
        const QStringList missed = courage + QStringList{" ", "Assaut N°1",
            "Attaque du héros = 12|  Tirage = 20 ", "Attaque du héros ratée"};
        const QString ended = "combat=hidden; wpause=hidden; wfuite=hidden; enpause=clear; "
            "experience=; Command2=C&ombat on; arret=Pause off; Command7=&Effacer on; "
            "Command8=Tirage on";
        QTest::newRow("window closed") << "" << "d20 20" << "2:close-combat" << missed
            << ended + "; trace=Y W0 Y";
        QTest::newRow("window closed in a pause") << "" << "d20 20" << "2:Pause 3:close-combat"
                                                  << missed << ended + "; trace=Y W0 Y Y";
        QTest::newRow("window closed after a flight") << "fichier=0" << "d20 12"
            << "1:Pause 2:Fuir 3:close-combat" << QStringList() << ended + "; trace=Y Y Y";
        QTest::newRow("another fight tried") << "" << kills << "1:Combat" << heroKills << "trace=Y";
    }
    void duringAFight() { run(); }
    // clang-format on
};

QTEST_MAIN(TestFight)
#include "test_fight.moc"
